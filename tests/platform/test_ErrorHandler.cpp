#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include "platform/ErrorHandler.h"
#include "tests/support/Fakes.h"

using testing_support::RecordingErrorReporter;

TEST(ErrorHandler, ExceptionFromClickIsShownAndTheProgramCarriesOn) {
    RecordingErrorReporter errors;
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, platform::Guard([&] {
        ++clicks;
        throw std::runtime_error("磁盘已满");
    }));
    button.show();

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);

    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(errors.messages, QStringList({"磁盘已满", "磁盘已满"}));
}

// A handler connected without Guard still reaches the user, through the
// application's event dispatch.
TEST(ErrorHandler, UnguardedExceptionFromTimerTickIsShownAndTheTimerKeepsTicking) {
    RecordingErrorReporter errors;
    QTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        throw std::logic_error("tick failed");
    });
    timer.start();

    QElapsedTimer bound;
    bound.start();
    while (ticks < 3 && bound.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(timer.isActive());
    ASSERT_FALSE(errors.messages.isEmpty());
    EXPECT_EQ(errors.messages.front(), "tick failed");
}

TEST(ErrorHandler, NonStandardExceptionGetsAGenericMessage) {
    RecordingErrorReporter errors;
    platform::guarded([] { throw 42; });
    EXPECT_EQ(errors.messages, QStringList({"未知错误"}));
}
