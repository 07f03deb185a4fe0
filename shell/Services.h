// The platform seams the shell's windows use, passed in through the main
// window's constructor: the program hands in the real ones, tests fakes.
#pragma once

#include "platform/BrowserLauncher.h"
#include "platform/Clock.h"
#include "platform/HttpClient.h"
#include "platform/WebPane.h"

namespace shell {

struct Services {
    platform::BrowserLauncher* browser = nullptr;
    const platform::Clock* clock = nullptr;
    // The promotion server ("http://host[:port]", empty for none), its two
    // clients (IdHTTP1 fetches the list, IdHTTP2 the flags) and the maker of
    // the two web panes (none: panes that stay blank).
    QString promoServer;
    platform::HttpClient* IdHTTP1 = nullptr;
    platform::HttpClient* IdHTTP2 = nullptr;
    platform::WebPaneFactory webPanes;
};

}  // namespace shell
