// Tells the benchmark the moment a window has been painted for the first
// time, then ends the probe.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

class ProbeReady : public QObject {
public:
    explicit ProbeReady(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Report once the paint in progress is finished and on screen.
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                // exit(), not quit(): quit() closes every window first, and
                // the main window answers a close with the exit dialog.
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};
