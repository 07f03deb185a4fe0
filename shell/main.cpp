#include <QWidget>

#include "platform/ErrorHandler.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Omenwise"));
    QWidget w;
    w.show();
    return app.exec();
}
