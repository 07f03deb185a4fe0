// "查看日历": every click frees the calendar window of the click before and
// shows a new one, modally, on the main window's today.
#include <QLabel>

#include "calendar/DateWin.h"
#include "calendar/UpDown.h"
#include "tests/shell/ShellFixture.h"

using shell_testing::ClickClosingModal;
using shell_testing::MainWindowTest;

TEST_F(MainWindowTest, EachCalendarClickReplacesTheWindowWithAFreshOneOnToday) {
    QPointer<QWidget> shown = ClickClosingModal(Child("RzButton5"));
    QPointer<DateWin::TFRM_Date> first = DateWin::FRM_Date;
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(shown, first.data()) << "the click shows the window it keeps";
    EXPECT_FALSE(first->isVisible()) << "closed, it stays allocated and hidden";
    EXPECT_EQ(first->selectedDate(), clock.today());

    // Browsing and a selection in the first window carry over to nothing.
    first->findChild<calendar::UpDown*>("UpDown1")->step(calendar::UpDown::Button::Down);
    first->CnDayClick(DateWin::DayLabels[10]);
    ASSERT_NE(first->selectedDate(), clock.today());

    shown = ClickClosingModal(Child("RzButton5"));
    EXPECT_TRUE(first.isNull()) << "the second click frees the first window";
    ASSERT_NE(DateWin::FRM_Date, nullptr);
    EXPECT_EQ(shown, DateWin::FRM_Date);
    EXPECT_EQ(DateWin::FRM_Date->selectedDate(), clock.today());
    EXPECT_EQ(DateWin::FRM_Date->findChild<QLabel*>("Label1")->text(), "2026");

    // The main window takes the last calendar with it, once.
    Frmmain.reset();
    EXPECT_EQ(DateWin::FRM_Date, nullptr);
    EXPECT_TRUE(errors.messages.isEmpty());
}
