// A main window on fake seams, shown offscreen, and helpers to find the
// windows it opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "readings/UntOnther.h"
#include "shell/Unt_Main.h"
#include "tests/support/Fakes.h"

namespace shell_testing {

inline std::vector<UntOnther::TFormOnther*> ReadingWindows() {
    std::vector<UntOnther::TFormOnther*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<UntOnther::TFormOnther*>(w)) found.push_back(form);
    return found;
}

// Frees windows that closed with a delete pending.
inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks `widget` and ends whatever modal window the click opens, so that a
// handler that runs exec() returns. Gives the modal window it closed, or null
// when none opened. A modal window that will not close is rejected after a
// few seconds, so the test fails instead of hanging.
inline QPointer<QWidget> ClickClosingModal(QWidget* widget) {
    QPointer<QWidget> closed;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            closed = modal;
            modal->close();
        }
    });
    QTimer bound;
    bound.setSingleShot(true);
    bound.setInterval(5000);
    QObject::connect(&bound, &QTimer::timeout, [&] {
        ADD_FAILURE() << "a modal window stayed open";
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->reject();
    });
    closer.start();
    bound.start();
    QTest::mouseClick(widget, Qt::LeftButton);
    return closed;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        services.browser = &browser;
        services.clock = &clock;
        Frmmain = std::make_unique<Unt_Main::TFrmmain>(services);
        Frmmain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frmmain.get(), 5000));
    }

    void TearDown() override {
        for (auto* form : ReadingWindows()) delete form;
        Frmmain.reset();
    }

    template <class T = QWidget>
    T* Child(const char* name) {
        T* child = Frmmain->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    testing_support::FakeBrowserLauncher browser;
    testing_support::RecordingErrorReporter errors;
    platform::FixedClock clock{46367.0};  // 11 December 2026
    shell::Services services;
    std::unique_ptr<Unt_Main::TFrmmain> Frmmain;
};

}  // namespace shell_testing
