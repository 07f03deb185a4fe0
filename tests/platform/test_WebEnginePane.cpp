// The real web pane under a real X server (xvfb): a page from a loopback
// server loads into it, and the engine writes nothing to the user's folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "platform/WebPane.h"
#include "tests/support/LoopbackHttpServer.h"

namespace {

// Before main: the engine's settings must precede the QApplication, and the
// user's folders point into a folder of our own, to see what gets written.
QTemporaryDir* home = [] {
    platform::prepareWebEngine();
    auto* dir = new QTemporaryDir();
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, dir->filePath(QString::fromLatin1(name)).toUtf8());
    return dir;
}();

QStringList filesUnder(const QString& path) {
    QStringList files;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(it.next());
    return files;
}

TEST(WebEnginePane, ShowsALoopbackPageOffTheRecord) {
    testing_support::LoopbackHttpServer server;
    server.respond("/page", 200,
                   "<html><head><title>Loopback page</title></head><body>hello</body></html>");
    {
        QWidget host;
        host.resize(640, 480);
        auto* pane = new platform::WebEnginePane(&host);
        pane->setGeometry(2, 2, 612, 410);
        host.show();
        // A plain widget until the first page: the engine is not loaded yet.
        EXPECT_EQ(pane->findChild<QWebEngineView*>(), nullptr);

        pane->navigate(server.url("/page"));
        auto* view = pane->findChild<QWebEngineView*>();
        ASSERT_NE(view, nullptr);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        ASSERT_TRUE(loaded.wait(60000));
        EXPECT_TRUE(loaded.first().first().toBool());
        EXPECT_EQ(view->title(), QStringLiteral("Loopback page"));
        EXPECT_TRUE(view->page()->profile()->isOffTheRecord());
        EXPECT_EQ(view->size(), pane->size());

        pane->setVisibleProperty(false);
        pane->setTop(-1000);
        EXPECT_FALSE(view->isVisible());
        EXPECT_EQ(pane->geometry(), QRect(2, -1000, 612, 410));
    }
    const QStringList written = filesUnder(home->path());
    EXPECT_TRUE(written.isEmpty()) << written.join(u'\n').toStdString();
}

}  // namespace
