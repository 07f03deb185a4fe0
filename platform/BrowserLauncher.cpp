#include "platform/BrowserLauncher.h"

#include <QProcess>

namespace platform {

XdgBrowserLauncher::XdgBrowserLauncher(QString program) : program_(std::move(program)) {}

bool XdgBrowserLauncher::open(const QString& address) {
    // The address is one argv entry: no shell ever parses it.
    return QProcess::startDetached(program_, {address});
}

}  // namespace platform
