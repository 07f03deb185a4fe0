// Opens addresses (web pages, mailto:) in the user's own programs.
#pragma once

#include <QString>

namespace platform {

class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    // Starts the desktop's handler for `address` and returns at once, without
    // waiting for it. True when the handler process could be started.
    virtual bool open(const QString& address) = 0;
};

// The real launcher: `xdg-open ADDRESS`, detached, no shell in between, so an
// address can never be read as a command.
class XdgBrowserLauncher final : public BrowserLauncher {
public:
    explicit XdgBrowserLauncher(QString program = QStringLiteral("xdg-open"));
    bool open(const QString& address) override;

private:
    QString program_;
};

}  // namespace platform
