// The platform seams the shell's windows use, passed in through the main
// window's constructor: the program hands in the real ones, tests fakes.
#pragma once

#include <functional>

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "platform/Registry.h"

namespace shell {

struct Services {
    platform::BrowserLauncher* browser = nullptr;
    const platform::Clock* clock = nullptr;
    // The current user's hive, where the browser keeps its start page.
    platform::Registry* registry = nullptr;
    // Tells the application to end once the running handler has returned;
    // when empty, the message loop is told to exit.
    std::function<void()> quit;
};

}  // namespace shell
