// DateWin: the perpetual calendar window. One Gregorian month as a grid of day
// cells, each with its lunar day or, in its place, the lunar month's name, a
// holiday, a solar term or a lunar festival; spinners move between years and
// months, a click selects a day, "今天" returns to today.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "engine/DateCn.h"
#include "platform/Clock.h"

class QLabel;

namespace platform {
class ClickLabel;
}
namespace calendar {
class Bevel;
class Shape;
class UpDown;
}  // namespace calendar

namespace DateWin {

using DateCn::TDateTime;

class TFRM_Date;

inline constexpr int CellCount = 37;
// Cell i (1 to 37, row by row, Sunday first) is element i; element 0 is unused.
using CellLabels = std::array<QLabel*, CellCount + 1>;

// The month on display and the day last selected. Shared by every calendar
// window (only one exists at a time); a new window sets them when shown.
extern std::uint16_t ShownYear;
extern std::uint16_t ShownMonth;
extern std::uint16_t ShownDay;

// The cells of the calendar window built last; empty once it is destroyed.
extern CellLabels DayLabels;
extern CellLabels LunarLabels;

// The main window's calendar window. A window clears it when it is destroyed
// while held here, so the reference never outlives the window.
extern TFRM_Date* FRM_Date;

// Days of a Gregorian month; 0 for a month outside 1 to 12. Never throws.
std::uint16_t DaysInMonthOf(std::uint16_t year, std::uint16_t month);
std::uint16_t DaysInMonthOfDate(TDateTime date);
// The date of `year`-`month`-`day`, the day lowered to the month's last where
// it is larger. Throws std::invalid_argument for a month outside 1 to 12 or day 0.
TDateTime ClampedDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

class TFRM_Date : public QDialog {
    Q_OBJECT
public:
    // `clock` supplies today and must outlive the window.
    explicit TFRM_Date(const platform::Clock& clock, QWidget* parent = nullptr);
    ~TFRM_Date() override;

    TDateTime selectedDate() const { return SelectedDate; }

    // Creates the 74 cell labels; run once, at creation.
    void BuildDayGrid();
    // Draws the month of `date` and marks `date`'s day in it.
    void ShowMonth(TDateTime date);
    // SelectedDate := ShownYear-ShownMonth-ShownDay.
    void StoreSelectedDate();

    // Event handlers, public so that tests can drive them directly.
    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void FormClose();
    void Label1Click();
    void Label17Click();
    void UpDown1Click();
    void UpDown2Click();
    void StaticText1Click();
    void CnDayClick(QLabel* sender);
    void CnDayMouseDown(QLabel* sender);
    void CHnDayClick(QLabel* sender);
    void ChnDateMouseDown(QLabel* sender);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildDesignedControls();

    const platform::Clock& clock_;
    TDateTime SelectedDate = 0;

    calendar::Shape* Shape1 = nullptr;
    calendar::Shape* Shape2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* day1 = nullptr;
    QLabel* Cnday = nullptr;
    calendar::UpDown* UpDown1 = nullptr;
    calendar::UpDown* UpDown2 = nullptr;
    QLabel* StaticText1 = nullptr;

    // This window's own cells; the module-level arrays mirror them.
    CellLabels dayLabels_{};
    CellLabels lunarLabels_{};
};

}  // namespace DateWin
