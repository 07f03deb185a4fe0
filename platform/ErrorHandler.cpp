#include "platform/ErrorHandler.h"

#include <QMessageBox>

#include <exception>

namespace platform {
namespace {

class MessageBoxReporter final : public ErrorReporter {
public:
    void show(const QString& message) override {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              message);
    }
};

MessageBoxReporter defaultReporter;
ErrorReporter* currentReporter = &defaultReporter;

}  // namespace

void setErrorReporter(ErrorReporter* reporter) {
    currentReporter = reporter ? reporter : &defaultReporter;
}

void reportError(const QString& message) {
    currentReporter->show(message);
}

void reportCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("未知错误"));
    }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return true;
    }
}

}  // namespace platform
