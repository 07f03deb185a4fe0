// Renders every window of the program to PNG files, without a display:
//   screenshots OUTPUT_DIR [NAME...]
// With names, only those windows are rendered.
#include <QDir>
#include <QTextStream>

#include <cstdio>

#include "platform/Clock.h"
#include "platform/ErrorHandler.h"
#include "shell/Startup.h"
#include "tools/screenshots/Renderers.h"

int main(int argc, char** argv) {
    // The pictures must not depend on the machine's display or its scaling.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    platform::Application app(argc, argv);
    shell::InitApplication(app);

    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << "usage: screenshots OUTPUT_DIR [NAME...]\n";
        return 2;
    }
    const QDir out(args.front());
    if (!QDir().mkpath(out.path())) {
        err << "screenshots: cannot create " << out.path() << "\n";
        return 1;
    }
    const QStringList only = args.mid(1);

    screenshots::NoBrowser browser;
    platform::FixedClock clock(46367.0);  // 11 December 2026
    screenshots::Context context;
    context.services.browser = &browser;
    context.services.clock = &clock;

    int failures = 0;
    for (const auto& renderer : screenshots::renderers()) {
        if (!only.isEmpty() && !only.contains(renderer.name)) continue;
        QWidget* window = renderer.make(context);
        window->show();
        QCoreApplication::processEvents();
        const QString file = out.filePath(renderer.name + ".png");
        if (window->grab().save(file)) {
            QTextStream(stdout) << file << "\n";
        } else {
            err << "screenshots: cannot write " << file << "\n";
            ++failures;
        }
        delete window;
    }
    return failures == 0 ? 0 : 1;
}
