// The calendar window: its layout, the month grid with every annotation in
// its colour, and browsing, selecting, returning to today and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>
#include <ostream>
#include <vector>

#include "calendar/DateWin.h"
#include "calendar/UpDown.h"
#include "engine/DateCn.h"
#include "platform/Clock.h"
#include "tests/support/Fakes.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using DateCn::EncodeDate;
using DateWin::TDateTime;
using DateWin::TFRM_Date;

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

class CalendarWindow : public testing::Test {
protected:
    // A window shown on `today`, as the main window's button opens it.
    TFRM_Date& open(int year, int month, int day) {
        clock.set(EncodeDate(year, month, day));
        window = std::make_unique<TFRM_Date>(clock);
        window->show();
        return *window;
    }

    template <class T = QLabel>
    T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(const char* name) const { return child(QString::fromLatin1(name)); }
    QLabel* dayCell(int k) const { return DateWin::DayLabels[k]; }
    QLabel* lunarCell(int k) const { return DateWin::LunarLabels[k]; }
    calendar::UpDown* yearSpinner() const { return child<calendar::UpDown>("UpDown1"); }
    calendar::UpDown* monthSpinner() const { return child<calendar::UpDown>("UpDown2"); }
    QPoint marker() const { return child<QWidget>("Shape2")->pos(); }
    // Where the marker sits on cell k.
    QPoint markerOn(int k) const { return dayCell(k)->pos() + QPoint(-1, 1); }

    // Everything the window shows, to tell whether anything changed.
    std::vector<QString> snapshot() const {
        std::vector<QString> state;
        for (const QLabel* l : window->findChildren<QLabel*>()) {
            state.push_back(QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(l->objectName(), l->text())
                                .arg(l->isHidden())
                                .arg(textColour(l).name())
                                .arg(l->property("tag").toInt()));
        }
        state.push_back(QStringLiteral("marker %1,%2").arg(marker().x()).arg(marker().y()));
        return state;
    }

    testing_support::RecordingErrorReporter errors;
    platform::FixedClock clock{0};
    std::unique_ptr<TFRM_Date> window;
};

// ---- Layout -----------------------------------------------------------------

TEST_F(CalendarWindow, HasItsCaptionClientAreaAndControlsBackToFront) {
    open(2023, 3, 22);
    EXPECT_EQ(window->objectName(), "FRM_Date");
    EXPECT_EQ(window->windowTitle(), "Zantir日历");
    EXPECT_EQ(window->size(), QSize(331, 285));

    std::vector<QString> expected = {"Shape1", "Image1", "Label20", "Label16",
                                     "Bevel2", "Shape2", "Label1"};
    for (int i = 2; i <= 8; ++i) expected.push_back(QStringLiteral("Label%1").arg(i));
    expected.insert(expected.end(), {"day1", "Cnday"});
    for (int i = 9; i <= 15; ++i) expected.push_back(QStringLiteral("Label%1").arg(i));
    expected.insert(expected.end(),
                    {"Bevel1", "Label17", "Label18", "Label19", "Label21", "Label22"});
    for (int i = 1; i <= 37; ++i) {
        expected.push_back(QStringLiteral("DayLabel%1").arg(i));
        expected.push_back(QStringLiteral("LunarLabel%1").arg(i));
    }
    expected.insert(expected.end(), {"UpDown1", "UpDown2", "StaticText1"});

    std::vector<QString> stacking;
    for (const QObject* o : window->children()) {
        if (o->isWidgetType() && !o->objectName().isEmpty()) stacking.push_back(o->objectName());
    }
    EXPECT_EQ(stacking, expected);
}

TEST_F(CalendarWindow, DesignedControlsHaveTheirPlaceFontAndColour) {
    open(2023, 3, 22);
    struct Control {
        const char* name;
        QRect geometry;  // an empty size: sized to its text
        const char* family;
        int pixels;
        bool heavy;
        QRgb colour;
    };
    const Control controls[] = {
        {"Label20", {0, 56, 313, 72}, "Arial Black", 64, true, 0xFFE8DD},
        {"Label16", {16, 146, 313, 134}, "Arial Black", 120, true, 0xEBEBEB},
        {"Label1", {120, 0, 0, 0}, "Arial Black", 29, true, 0x0000FF},
        {"Label2", {19, 40, 36, 12}, "宋体", 12, false, 0xFF0000},
        {"Label3", {59, 40, 36, 12}, "宋体", 12, false, 0x000000},
        {"Label7", {219, 40, 36, 12}, "宋体", 12, false, 0x000000},
        {"Label8", {259, 40, 36, 12}, "宋体", 12, false, 0xFF0000},
        {"day1", {14, 56, 36, 16}, "Arial Black", 14, true, 0x000000},
        {"Cnday", {13, 73, 36, 12}, "宋体", 12, false, 0x004000},
        {"Label9", {20, 253, 36, 12}, "宋体", 12, false, 0xFF0000},
        {"Label15", {260, 253, 36, 12}, "宋体", 12, false, 0xFF0000},
        {"Label17", {10, 3, 0, 0}, "Arial", 32, true, 0x8080C0},
        {"Label18", {45, 17, 15, 14}, "宋体", 14, true, 0x000000},
        {"Label19", {205, 17, 15, 14}, "宋体", 14, true, 0x000000},
        {"Label21", {230, 212, 78, 35}, "隶书", 35, true, 0xDDDDFF},
        {"Label22", {152, 223, 69, 23}, "黑体", 19, true, 0xFF80FF},
        {"StaticText1", {272, 17, 28, 16}, "宋体", 12, false, 0x000000},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        const QLabel* l = label(c.name);
        ASSERT_NE(l, nullptr);
        if (c.geometry.isEmpty()) {
            EXPECT_EQ(l->pos(), c.geometry.topLeft());
        } else {
            EXPECT_EQ(l->geometry(), c.geometry);
        }
        EXPECT_EQ(l->font().family(), QString::fromUtf8(c.family));
        EXPECT_EQ(l->font().pixelSize(), c.pixels);
        EXPECT_EQ(l->font().bold(), c.heavy);
        EXPECT_EQ(textColour(l), QColor(c.colour));
    }
    EXPECT_EQ(label("Label5")->text(), "星期三");
    EXPECT_EQ(label("Label14")->text(), "星期五");
    EXPECT_EQ(label("StaticText1")->text(), "今天");
    EXPECT_TRUE(label("day1")->isHidden());
    EXPECT_TRUE(label("Cnday")->isHidden());
    EXPECT_EQ(label("Label1")->toolTip(), "单击改变年份");
    EXPECT_EQ(label("Label17")->toolTip(), "单击改变月份");

    const struct {
        const char* name;
        QRect geometry;
    } others[] = {
        {"Shape1", {0, 0, 331, 285}},   {"Image1", {9, 56, 297, 191}},
        {"Bevel2", {9, 46, 297, 10}},   {"Bevel1", {9, 240, 297, 10}},
        {"UpDown1", {221, 10, 16, 24}}, {"UpDown2", {61, 10, 16, 24}},
    };
    for (const auto& o : others) {
        EXPECT_EQ(child<QWidget>(o.name)->geometry(), o.geometry) << o.name;
    }
    EXPECT_EQ(yearSpinner()->minimum(), 1901);
    EXPECT_EQ(yearSpinner()->maximum(), 2050);
    EXPECT_EQ(monthSpinner()->minimum(), 1);
    EXPECT_EQ(monthSpinner()->maximum(), 12);
}

TEST_F(CalendarWindow, OnlyTheOutlineFollowsTheWindowSize) {
    open(2023, 3, 22);
    window->resize(400, 300);
    EXPECT_EQ(child<QWidget>("Shape1")->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(label("Label22")->geometry(), QRect(152, 223, 69, 23));
}

TEST_F(CalendarWindow, GridCellsAreSevenToARowAndCreatedOnce) {
    open(2023, 3, 22);
    std::vector<QPointer<QLabel>> created;
    for (int k = 1; k <= 37; ++k) {
        SCOPED_TRACE(k);
        const int row = (k - 1) / 7, column = (k - 1) % 7;
        EXPECT_EQ(dayCell(k), child(QStringLiteral("DayLabel%1").arg(k)));
        EXPECT_EQ(lunarCell(k), child(QStringLiteral("LunarLabel%1").arg(k)));
        EXPECT_EQ(dayCell(k)->geometry(), QRect(14 + 42 * column, 56 + 32 * row, 36, 16));
        EXPECT_EQ(lunarCell(k)->geometry(), QRect(13 + 42 * column, 73 + 32 * row, 36, 12));
        EXPECT_EQ(dayCell(k)->alignment(), Qt::AlignCenter);
        EXPECT_EQ(lunarCell(k)->font().family(), "宋体");
        created.emplace_back(dayCell(k));
        created.emplace_back(lunarCell(k));
    }
    const int labels = window->findChildren<QLabel*>().size();

    for (int month = 1; month <= 12; ++month) window->ShowMonth(EncodeDate(2024, month, 1));

    EXPECT_EQ(window->findChildren<QLabel*>().size(), labels);
    for (const QPointer<QLabel>& cell : created) EXPECT_FALSE(cell.isNull());
    EXPECT_EQ(DateWin::DayLabels[1], created[0]);
}

// ---- The month grid ---------------------------------------------------------

struct MarkedCell {
    int cell;
    int day;
    const char* text;
    QRgb colour;
};

struct MonthCase {
    const char* what;
    int year, month;
    int firstCell, lastCell;
    // Every cell whose lunar line is not a plain lunar day, and a few that are.
    std::vector<MarkedCell> cells;
};

constexpr QRgb kLunarDay = 0x004000;
constexpr QRgb kMonthName = 0xFF0000;
constexpr QRgb kHoliday = 0xFF8000;
constexpr QRgb kTerm = 0x5353FF;
constexpr QRgb kFestival = 0xFF8000;

const MonthCase kMonths[] = {
    {"first day of a leap month: 闰二 in red",
     2023,
     3,
     4,
     34,
     {{4, 1, "初十", kLunarDay},
      {9, 6, "惊蛰", kTerm},
      {11, 8, "妇女节", kHoliday},
      {24, 21, "春分", kTerm},
      {25, 22, "闰二", kMonthName},
      {26, 23, "初二", kLunarDay},
      {34, 31, "初十", kLunarDay}}},
    {"31 days from a Saturday fill cells 7 to 37; 六月 in red",
     2023,
     7,
     7,
     37,
     {{7, 1, "建党节", kHoliday},
      {13, 7, "小暑", kTerm},
      {23, 17, "三十", kLunarDay},
      {24, 18, "六月", kMonthName},
      {29, 23, "大暑", kTerm},
      {36, 30, "十三", kLunarDay},
      {37, 31, "十四", kLunarDay}}},
    {"28-day February from a Sunday fills cells 1 to 28; 春节 over the term 雨水",
     2015,
     2,
     1,
     28,
     {{1, 1, "十三", kLunarDay},
      {4, 4, "立春", kTerm},
      {14, 14, "情人节", kHoliday},
      {18, 18, "除夕", kFestival},
      {19, 19, "春节", kFestival},
      {20, 20, "初二", kLunarDay},
      {28, 28, "初十", kLunarDay}}},
    {"国庆节 that is also 中秋节 shows the festival",
     2020,
     10,
     5,
     35,
     {{5, 1, "中秋节", kFestival},
      {10, 6, "老人节", kHoliday},
      {12, 8, "寒露", kTerm},
      {21, 17, "九月", kMonthName},
      {27, 23, "霜降", kTerm},
      {29, 25, "重阳节", kFestival},
      {35, 31, "万圣节", kHoliday}}},
    {"记者日 that is also 立冬 shows the term",
     2023,
     11,
     4,
     33,
     {{11, 8, "立冬", kTerm},
      {16, 13, "十月", kMonthName},
      {25, 22, "小雪", kTerm},
      {26, 23, "感恩节", kHoliday}}},
    {"a lunar month's first day that is 谷雨 shows the term",
     2023,
     4,
     7,
     36,
     {{7, 1, "愚人节", kHoliday}, {11, 5, "清明", kTerm}, {26, 20, "谷雨", kTerm}}},
    {"the sixth row: June 2024 reaches cell 36",
     2024,
     6,
     7,
     36,
     {{7, 1, "儿童节", kHoliday},
      {11, 5, "芒种", kTerm},
      {12, 6, "五月", kMonthName},
      {16, 10, "端午节", kFestival},
      {22, 16, "父亲节", kHoliday},
      {27, 21, "夏至", kTerm},
      {36, 30, "廿五", kLunarDay}}},
};

TEST_F(CalendarWindow, DrawsEveryCellOfAMonthWithItsTextAndColour) {
    open(2023, 3, 22);
    for (const MonthCase& m : kMonths) {
        SCOPED_TRACE(m.what);
        window->ShowMonth(EncodeDate(m.year, m.month, 1));

        EXPECT_EQ(label("Label1")->text(), QString::number(m.year));
        EXPECT_EQ(label("Label20")->text(), QString::number(m.year));
        EXPECT_EQ(label("Label17")->text(), QString::number(m.month));
        EXPECT_EQ(label("Label16")->text(), QString::number(m.month));
        for (int k = 1; k <= 37; ++k) {
            SCOPED_TRACE(k);
            const bool shown = k >= m.firstCell && k <= m.lastCell;
            ASSERT_EQ(!dayCell(k)->isHidden(), shown);
            ASSERT_EQ(!lunarCell(k)->isHidden(), shown);
            EXPECT_EQ(textColour(dayCell(k)), QColor(Qt::black));
            EXPECT_EQ(dayCell(k)->font().pixelSize(), 15);
            if (!shown) continue;
            const int day = k - m.firstCell + 1;
            EXPECT_EQ(dayCell(k)->text(), QString::number(day));
            EXPECT_EQ(dayCell(k)->property("tag").toInt(), day);
            EXPECT_EQ(lunarCell(k)->property("tag").toInt(), day);
            EXPECT_FALSE(lunarCell(k)->text().isEmpty());
            const MarkedCell* marked = nullptr;
            for (const MarkedCell& c : m.cells) {
                if (c.cell == k) marked = &c;
            }
            if (marked) {
                EXPECT_EQ(day, marked->day);
                EXPECT_EQ(lunarCell(k)->text(), QString::fromUtf8(marked->text));
                EXPECT_EQ(textColour(lunarCell(k)), QColor(marked->colour));
            } else {
                EXPECT_EQ(textColour(lunarCell(k)), QColor(kLunarDay))
                    << lunarCell(k)->text().toStdString();
            }
        }
    }
}

TEST_F(CalendarWindow, OpensOnTodayWithItsMarkerStarSignAndAnimal) {
    open(2023, 1, 22);
    EXPECT_EQ(label("Label1")->text(), "2023");
    EXPECT_EQ(label("Label17")->text(), "1");
    EXPECT_EQ(lunarCell(22)->text(), "春节");
    EXPECT_EQ(marker(), markerOn(22));
    EXPECT_EQ(label("Label21")->text(), "卯兔");
    EXPECT_EQ(label("Label22")->text(), "水瓶座");
    EXPECT_EQ(yearSpinner()->position(), 2023);
    EXPECT_EQ(monthSpinner()->position(), 1);
    EXPECT_FALSE(yearSpinner()->isHidden());
    EXPECT_FALSE(monthSpinner()->isHidden());
    EXPECT_EQ(window->selectedDate(), EncodeDate(2023, 1, 22));
    EXPECT_EQ(DateWin::ShownDay, 22);
}

// ---- Browsing, selecting, today -----------------------------------------------

TEST_F(CalendarWindow, TheThirtyFirstBecomesTheThirtiethInAShortMonthAndComesBack) {
    open(2023, 3, 31);

    monthSpinner()->step(calendar::UpDown::Button::Up);  // April 2023, 30 days
    EXPECT_EQ(label("Label17")->text(), "4");
    EXPECT_EQ(dayCell(36)->text(), "30");
    EXPECT_EQ(marker(), markerOn(36));
    EXPECT_EQ(label("Label22")->text(), "金牛座");
    EXPECT_EQ(DateWin::ShownDay, 31);

    monthSpinner()->step(calendar::UpDown::Button::Up);  // May 2023, 31 days
    EXPECT_EQ(dayCell(32)->text(), "31");
    EXPECT_EQ(marker(), markerOn(32));
    EXPECT_EQ(label("Label22")->text(), "双子座");
    EXPECT_EQ(window->selectedDate(), EncodeDate(2023, 3, 31));
}

TEST_F(CalendarWindow, ArrowsAgainstTheLimitsLeaveTheWindowUnchanged) {
    struct Case {
        int year, month, day;
        const char* spinner;
        calendar::UpDown::Button arrow;
    };
    const Case cases[] = {
        {2050, 6, 15, "UpDown1", calendar::UpDown::Button::Up},
        {1901, 6, 15, "UpDown1", calendar::UpDown::Button::Down},
        {2023, 12, 15, "UpDown2", calendar::UpDown::Button::Up},
        {2023, 1, 15, "UpDown2", calendar::UpDown::Button::Down},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year * 100 + c.month);
        open(c.year, c.month, c.day);
        // Pressing a cell moves the marker without a redraw; a redraw would
        // move it back onto the 15th.
        window->CnDayMouseDown(dayCell(10));
        const std::vector<QString> before = snapshot();

        child<calendar::UpDown>(c.spinner)->step(c.arrow);

        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(DateWin::ShownYear, c.year);
        EXPECT_EQ(DateWin::ShownMonth, c.month);
    }
}

TEST_F(CalendarWindow, AClickSelectsADayWithoutRedrawing) {
    open(2023, 3, 22);
    monthSpinner()->step(calendar::UpDown::Button::Down);
    monthSpinner()->step(calendar::UpDown::Button::Down);  // January 2023, the 22nd marked
    ASSERT_EQ(label("Label21")->text(), "卯兔");
    ASSERT_EQ(label("Label22")->text(), "水瓶座");
    const QString lunarOf10 = lunarCell(10)->text();

    QTest::mouseClick(dayCell(10), Qt::LeftButton);  // 2023-01-10: 寅虎, 摩羯座

    EXPECT_EQ(window->selectedDate(), EncodeDate(2023, 1, 10));
    EXPECT_EQ(DateWin::ShownDay, 10);
    EXPECT_EQ(marker(), markerOn(10));
    EXPECT_EQ(label("Label21")->text(), "卯兔");
    EXPECT_EQ(label("Label22")->text(), "水瓶座");
    EXPECT_EQ(lunarCell(10)->text(), lunarOf10);

    QTest::mouseClick(lunarCell(5), Qt::LeftButton);
    EXPECT_EQ(window->selectedDate(), EncodeDate(2023, 1, 5));
    EXPECT_EQ(marker(), markerOn(5));
    EXPECT_EQ(label("Label22")->text(), "水瓶座");
}

TEST_F(CalendarWindow, TodayReturnsFromBrowsingAndReadsTheClockAgain) {
    open(2023, 3, 22);
    yearSpinner()->step(calendar::UpDown::Button::Up);
    monthSpinner()->step(calendar::UpDown::Button::Up);
    QTest::mouseClick(dayCell(10), Qt::LeftButton);
    ASSERT_EQ(label("Label1")->text(), "2024");

    QTest::mouseClick(label("StaticText1"), Qt::LeftButton);
    EXPECT_EQ(label("Label1")->text(), "2023");
    EXPECT_EQ(label("Label17")->text(), "3");
    EXPECT_EQ(marker(), markerOn(25));
    EXPECT_EQ(yearSpinner()->position(), 2023);
    EXPECT_EQ(monthSpinner()->position(), 3);
    EXPECT_EQ(window->selectedDate(), EncodeDate(2023, 3, 22));
    EXPECT_EQ(DateWin::ShownDay, 22);

    clock.set(EncodeDate(2024, 6, 1));  // midnight passed, and more
    window->StaticText1Click();
    EXPECT_EQ(label("Label1")->text(), "2024");
    EXPECT_EQ(marker(), markerOn(7));
}

TEST_F(CalendarWindow, ClickingTheYearOrTheMonthShowsOnlyItsSpinner) {
    open(2023, 3, 22);
    QTest::mouseClick(label("Label17"), Qt::LeftButton);
    EXPECT_FALSE(monthSpinner()->isHidden());
    EXPECT_TRUE(yearSpinner()->isHidden());
    QTest::mouseClick(label("Label1"), Qt::LeftButton);
    EXPECT_FALSE(yearSpinner()->isHidden());
    EXPECT_TRUE(monthSpinner()->isHidden());
}

// ---- Today outside 1901 to 2050 -------------------------------------------------

TEST_F(CalendarWindow, AClockOutsideTheTableShowsItsMonthAndTheSpinnerStartsAtTheLimit) {
    struct Case {
        int year, month, day;
        int firstCell, days;
        int limit;
        calendar::UpDown::Button away, towards;
        int afterArrow;
    };
    const Case cases[] = {
        {1899, 7, 15, 7, 31, 1901, calendar::UpDown::Button::Up, calendar::UpDown::Button::Down,
         1902},
        {2051, 2, 10, 4, 28, 2050, calendar::UpDown::Button::Down, calendar::UpDown::Button::Up,
         2049},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        open(c.year, c.month, c.day);
        EXPECT_EQ(label("Label1")->text(), QString::number(c.year));
        EXPECT_EQ(yearSpinner()->position(), c.limit);
        for (int d = 1; d <= c.days; ++d) {
            EXPECT_EQ(dayCell(c.firstCell + d - 1)->text(), QString::number(d));
            EXPECT_FALSE(dayCell(c.firstCell + d - 1)->isHidden());
        }
        EXPECT_EQ(marker(), markerOn(c.firstCell + c.day - 1));

        yearSpinner()->step(c.towards);
        EXPECT_EQ(label("Label1")->text(), QString::number(c.year));

        yearSpinner()->step(c.away);
        EXPECT_EQ(label("Label1")->text(), QString::number(c.afterArrow));
        EXPECT_EQ(label("Label17")->text(), QString::number(c.month));
        EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    }
}

// ---- Closing ------------------------------------------------------------------

TEST_F(CalendarWindow, AnotherWindowOfTheProgramTakingTheFocusClosesIt) {
    open(2023, 3, 22);
    QPointer<TFRM_Date> calendar = window.get();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(window->isActiveWindow());

    QApplication::setActiveWindow(&other);

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(calendar.isNull());  // hidden, not destroyed

    window->FormDeactivate();  // a late report changes nothing
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(CalendarWindow, AnotherApplicationTakingTheFocusLeavesItOpen) {
    open(2023, 3, 22);
    QApplication::setActiveWindow(window.get());
    const std::vector<QString> before = snapshot();

    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window.get());

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CalendarWindow, TheCloseButtonHidesTheWindowWithoutDestroyingIt) {
    open(2023, 3, 22);
    QPointer<TFRM_Date> calendar = window.get();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(calendar.isNull());
}

TEST_F(CalendarWindow, DestroyingTheWindowClearsTheReferencesToIt) {
    open(2023, 3, 22);
    DateWin::FRM_Date = window.get();
    window.reset();
    EXPECT_EQ(DateWin::FRM_Date, nullptr);
    EXPECT_EQ(DateWin::DayLabels[1], nullptr);
    EXPECT_EQ(DateWin::LunarLabels[37], nullptr);
}

// ---- Month lengths --------------------------------------------------------------

TEST(MonthLengths, DaysInMonthAndClampedDate) {
    struct Case {
        int year, month;
        int days;
    };
    const Case lengths[] = {
        {2023, 1, 31}, {2023, 2, 28}, {2024, 2, 29},  {2000, 2, 29}, {1900, 2, 28},
        {2100, 2, 28}, {2023, 4, 30}, {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0},
    };
    for (const Case& c : lengths) {
        SCOPED_TRACE(c.year * 100 + c.month);
        EXPECT_EQ(DateWin::DaysInMonthOf(c.year, c.month), c.days);
        if (c.days) {
            EXPECT_EQ(DateWin::DaysInMonthOfDate(EncodeDate(c.year, c.month, 3)), c.days);
        }
    }

    struct Clamp {
        int year, month, day;
        int expectedDay;
    };
    const Clamp clamps[] = {
        {2023, 2, 31, 28}, {2024, 2, 31, 29}, {2024, 2, 29, 29},    {2023, 4, 31, 30},
        {2023, 5, 31, 31}, {2023, 6, 1, 1},   {2023, 9, 65535, 30},
    };
    for (const Clamp& c : clamps) {
        SCOPED_TRACE(c.year * 10000 + c.month * 100 + c.day);
        EXPECT_EQ(DateWin::ClampedDate(c.year, c.month, c.day),
                  EncodeDate(c.year, c.month, c.expectedDay));
    }
}

}  // namespace
