// The yardstick: an empty Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

#include "ProbeReady.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(792, 566);
    ProbeReady ready(&window);
    window.show();
    return app.exec();
}
