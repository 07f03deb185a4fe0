// The application's general error handler: the one place where errors reach
// the user. An exception that escapes an event handler or a timer tick is
// shown as a message, and the program carries on.
#pragma once

#include <QApplication>
#include <QString>

#include <utility>

namespace platform {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void show(const QString& message) = 0;
};

// Makes `reporter` receive every error from now on; nullptr restores the
// default, a modal message box. The caller keeps ownership.
void setErrorReporter(ErrorReporter* reporter);

void reportError(const QString& message);

// Reports the exception being handled; call only inside a catch block.
void reportCurrentException();

// Runs `handler`, reporting whatever it throws, for code that runs outside
// the event dispatch (such as a creation handler called from a constructor).
template <class Handler>
void guarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportCurrentException();
    }
}

// Wraps a handler for connecting to a signal, so that its errors are reported
// where they arise and never unwind through the toolkit's own frames (which
// are not exception-safe: unwinding through them leaks the event in flight).
//   connect(button, &QPushButton::clicked, this, platform::Guard([this] { ... }));
template <class Handler>
auto Guard(Handler handler) {
    return [handler = std::move(handler)]() { guarded(handler); };
}

// The backstop: QApplication whose event dispatch reports escaping exceptions instead of
// letting them end the process.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform
