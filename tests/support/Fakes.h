// Fakes for the platform seams, shared by the window suites.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/BrowserLauncher.h"
#include "platform/ErrorHandler.h"

namespace testing_support {

// Records every address instead of starting a browser.
class FakeBrowserLauncher final : public platform::BrowserLauncher {
public:
    bool open(const QString& address) override {
        opened.append(address);
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

// Records every error the general error handler would show, for the life of
// the object, instead of opening a message box.
class RecordingErrorReporter final : public platform::ErrorReporter {
public:
    RecordingErrorReporter() { platform::setErrorReporter(this); }
    ~RecordingErrorReporter() override { platform::setErrorReporter(nullptr); }
    void show(const QString& message) override { messages.append(message); }
    QStringList messages;
};

}  // namespace testing_support
