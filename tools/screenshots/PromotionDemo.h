// The main window with both promotion panes showing the demo pages.
#pragma once

#include <QWidget>

#include "shell/Services.h"

namespace screenshots {

// Serves demo/ on loopback, builds the main window against it, shows it and
// lets each pane take its first tick; returns once both pages have loaded (or
// a bound has passed).
QWidget* PromotionDemoWindow(const shell::Services& base);

}  // namespace screenshots
