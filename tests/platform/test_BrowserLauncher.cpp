#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "platform/BrowserLauncher.h"

namespace {

// A stand-in for xdg-open that writes its arguments, one per line, to a file.
QString writeRecorder(const QTemporaryDir& dir) {
    const QString path = dir.filePath("recorder.sh");
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write(
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.out.tmp\"\n"
        "mv \"$0.out.tmp\" \"$0.out\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray waitForFile(const QString& path) {
    QElapsedTimer bound;
    bound.start();
    while (!QFile::exists(path) && bound.elapsed() < 10000) QThread::msleep(20);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST(XdgBrowserLauncher, PassesTheAddressAsOneArgumentWithoutAShell) {
    QTemporaryDir dir;
    const QString recorder = writeRecorder(dir);
    platform::XdgBrowserLauncher launcher(recorder);

    // Shell metacharacters must arrive untouched, as a single argument.
    const QString address = "http://www.omenwise.example/a b?x=1&y=$(id);`id`";
    ASSERT_TRUE(launcher.open(address));

    EXPECT_EQ(waitForFile(recorder + ".out"), address.toUtf8() + "\n");
}

TEST(XdgBrowserLauncher, MissingProgramIsAFailedLaunchNotACrash) {
    platform::XdgBrowserLauncher launcher("/nonexistent/xdg-open");
    EXPECT_FALSE(launcher.open("mailto:service@omenwise.example"));
}
