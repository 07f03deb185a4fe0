// The platform seams the shell's windows use, passed in through the main
// window's constructor: the program hands in the real ones, tests fakes.
#pragma once

#include <functional>

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/HttpClient.h"
#include "platform/WebPane.h"

namespace shell {

struct Services {
    platform::BrowserLauncher* browser = nullptr;
    const platform::Clock* clock = nullptr;
    // The current user's hive, where the browser keeps its start page.
    platform::Registry* registry = nullptr;
    // Tells the application to end once the running handler has returned;
    // when empty, the message loop is told to exit.
    std::function<void()> quit;
    // The promotion server ("http://host[:port]", empty for none), its two
    // clients (IdHTTP1 fetches the list, IdHTTP2 the flags) and the maker of
    // the two web panes (none: panes that stay blank).
    QString promoServer;
    platform::HttpClient* IdHTTP1 = nullptr;
    platform::HttpClient* IdHTTP2 = nullptr;
    platform::WebPaneFactory webPanes;
};

}  // namespace shell
