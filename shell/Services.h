// The platform seams the shell's windows use, passed in through the main
// window's constructor: the program hands in the real ones, tests fakes.
#pragma once

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"

namespace shell {

struct Services {
    platform::BrowserLauncher* browser = nullptr;
    const platform::Clock* clock = nullptr;
};

}  // namespace shell
