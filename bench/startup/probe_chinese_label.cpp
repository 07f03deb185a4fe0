// A reference between the two: the bare window with one line of Chinese text
// in the program's font, which pays for loading and drawing a Chinese face.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ProbeReady.h"
#include "platform/Fonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    QWidget window;
    window.resize(792, 566);
    QLabel label(QStringLiteral("欢迎使用Omenwise！打喷嚏占卜吉凶"), &window);
    label.setFont(platform::PixelFont(QStringLiteral("宋体"), 12));
    label.move(10, 10);
    ProbeReady ready(&window);
    window.show();
    return app.exec();
}
