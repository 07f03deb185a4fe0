// The spinner: steps of one within its limits, and a click reported only
// when the position changed.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "calendar/UpDown.h"

namespace {

using calendar::UpDown;

TEST(UpDown, SettingThePositionClampsAndReportsNothing) {
    UpDown spinner;
    spinner.setRange(1901, 2050);
    QSignalSpy clicks(&spinner, &UpDown::clicked);

    spinner.setPosition(1899);
    EXPECT_EQ(spinner.position(), 1901);
    spinner.setPosition(2051);
    EXPECT_EQ(spinner.position(), 2050);
    spinner.setPosition(1984);
    EXPECT_EQ(spinner.position(), 1984);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(UpDown, ArrowsStepByOneAndStopAtTheLimitsWithoutWrapping) {
    struct Case {
        int position;
        UpDown::Button button;
        int expected;
        bool reported;
    };
    const Case cases[] = {
        {6, UpDown::Button::Up, 7, true},    {6, UpDown::Button::Down, 5, true},
        {12, UpDown::Button::Up, 12, false}, {1, UpDown::Button::Down, 1, false},
        {11, UpDown::Button::Up, 12, true},  {2, UpDown::Button::Down, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        UpDown spinner;
        spinner.setRange(1, 12);
        spinner.setPosition(c.position);
        QSignalSpy clicks(&spinner, &UpDown::clicked);

        spinner.step(c.button);

        EXPECT_EQ(spinner.position(), c.expected);
        ASSERT_EQ(clicks.count(), c.reported ? 1 : 0);
        if (c.reported) {
            EXPECT_EQ(clicks.at(0).at(0).value<UpDown::Button>(), c.button);
        }
    }
}

}  // namespace

namespace {

TEST(UpDown, TheUpperHalfIsTheUpArrowAndTheLowerTheDownArrow) {
    calendar::UpDown spinner;
    spinner.resize(16, 24);
    spinner.setRange(1, 12);
    spinner.setPosition(6);
    spinner.show();

    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(8, 4));
    EXPECT_EQ(spinner.position(), 7);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(8, 20));
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(spinner.position(), 5);
}

}  // namespace
