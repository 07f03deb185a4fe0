// The windows the screenshot tool renders: one named entry per picture.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "shell/Services.h"

namespace screenshots {

// Stands in for the browser: a screenshot run never opens anything.
class NoBrowser final : public platform::BrowserLauncher {
public:
    bool open(const QString&) override { return true; }
};

// What a renderer may use. The clock is fixed so every run draws the same day.
struct Context {
    shell::Services services;
};

struct Renderer {
    QString name;  // file name without ".png"
    // Builds the window to grab; the tool shows it, grabs it and deletes it.
    std::function<QWidget*(Context&)> make;
};

const std::vector<Renderer>& renderers();

}  // namespace screenshots
