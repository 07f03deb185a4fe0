// What the program does between process start and the message loop, shared
// by the program itself and the start-up benchmark's probe.
#pragma once

#include <QApplication>

#include <memory>

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/HttpClient.h"
#include "shell/Unt_Main.h"

namespace shell {

// The real platform seams and the main window built on them.
struct Program {
    platform::XdgBrowserLauncher browser;
    platform::SystemClock clock;
    platform::HiveFileRegistry registry{platform::HiveFileRegistry::defaultPath()};
    platform::CurlHttpClient IdHTTP1;  // the promotion list
    platform::CurlHttpClient IdHTTP2;  // the promotion flags
    std::unique_ptr<Unt_Main::TFrmmain> Frmmain;
};

// Names the application and maps the font families; call once the
// QApplication exists.
void InitApplication(QApplication& app);

// Creates the main window on the real seams, not yet shown; its promotion
// panes come from `promoServer`.
std::unique_ptr<Program> CreateProgram(
    const QString& promoServer = QStringLiteral(OMENWISE_PROMO_SERVER));

}  // namespace shell
