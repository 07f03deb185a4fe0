// What the program does between process start and the message loop, shared
// by the program itself and the start-up benchmark's probe.
#pragma once

#include <QApplication>

#include <memory>

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "shell/Unt_Main.h"

namespace shell {

// The real platform seams and the main window built on them.
struct Program {
    platform::XdgBrowserLauncher browser;
    platform::SystemClock clock;
    std::unique_ptr<Unt_Main::TFrmmain> Frmmain;
};

// Names the application and maps the font families; call once the
// QApplication exists.
void InitApplication(QApplication& app);

// Creates the main window on the real seams, not yet shown.
std::unique_ptr<Program> CreateProgram();

}  // namespace shell
