#include "tools/screenshots/PromotionDemo.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWebEngineView>

#include "platform/HttpClient.h"
#include "platform/WebPane.h"
#include "shell/Unt_Main.h"
#include "tests/support/LoopbackHttpServer.h"

namespace screenshots {
namespace {

// demo/ as the demo server would serve it, with the list pointing here.
void serveDemo(testing_support::LoopbackHttpServer& server) {
    const QString root = QStringLiteral(OMENWISE_DEMO_DIR);
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        QByteArray body = file.readAll();
        body.replace("@SERVER@", server.url().toUtf8());
        server.respond(path.mid(root.size()).toUtf8(), 200, body);
    }
}

}  // namespace

QWidget* PromotionDemoWindow(const shell::Services& base) {
    static testing_support::LoopbackHttpServer server;
    static platform::CurlHttpClient http1;
    static platform::CurlHttpClient http2;
    serveDemo(server);

    shell::Services services = base;
    services.promoServer = server.url();
    services.IdHTTP1 = &http1;
    services.IdHTTP2 = &http2;
    services.webPanes = [](QWidget* parent) -> platform::WebPane* {
        return new platform::WebEnginePane(parent);
    };
    auto* window = new Unt_Main::TFrmmain(services);
    window->Timer1->stop();
    window->Timer2->stop();
    window->show();
    window->Timer1Timer();
    window->Timer2Timer();

    int loaded = 0;
    QObject waiting;  // ends the connections when this function returns
    for (QWebEngineView* view : window->findChildren<QWebEngineView*>())
        QObject::connect(view, &QWebEngineView::loadFinished, &waiting, [&loaded] { ++loaded; });
    QElapsedTimer bound;
    bound.start();
    while (loaded < 2 && bound.elapsed() < 20000)
        QEventLoop().processEvents(QEventLoop::AllEvents, 50);
    // Let the compositor put the loaded pages on screen.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500) QEventLoop().processEvents(QEventLoop::AllEvents, 50);
    return window;
}

}  // namespace screenshots
