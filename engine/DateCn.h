// DateCn: the calendar engine. Gregorian and Chinese lunar dates of 1901 to 2050,
// their names, festivals, solar terms, holidays and star signs.
//
// Pure functions over constant tables: no state, no user interface, no heap.
// Every text is UTF-8 and points into constant storage that lives for the
// whole run, so a returned std::string_view never dangles. No operation
// throws except EncodeDate, and every one gives a defined answer for any
// argument at all:
//
// - A date is read as a whole day: the fraction (a time of day) is dropped by
//   truncating toward zero, so -1.25 is 1899-12-29 at 06:00. NaN reads as
//   day 0 (1899-12-30); a date before 0001-01-01 or after 9999-12-31, the
//   infinities included, reads as that first or last day.
// - Outside 1901-01-01 .. 2050-12-31 there is no lunar data: LunarCodeOf gives
//   0, LunarMonthName, LunarDayName and LunarFestivalOf give empty text, and
//   YearAnimalOf gives the animal of the Gregorian year. Hence 2050-12-31 is
//   no 除夕 (the next day has no month name).
// - SolarTermIndex gives 0 for a year outside 1901-2050 or a month outside
//   1-12, and SolarTermOf then gives empty text.
// - A day that does not exist in the month of the date: HolidayOf gives empty
//   text; StarSignForDay takes day 0 as the 1st and a day past the end as the
//   month's last day.
#pragma once

#include <cstdint>
#include <string_view>

namespace DateCn {

// Days since 1899-12-30 (proleptic Gregorian); the fraction, a time of day,
// is ignored by every operation.
using TDateTime = double;

// The first and last days any date reads as: 0001-01-01 and 9999-12-31.
inline constexpr TDateTime MinDateTime = -693593;
inline constexpr TDateTime MaxDateTime = 2958465;

// A lunar date packed as month * 100 + day, negated for a leap month;
// 0 for a date outside 1901-01-01 .. 2050-12-31.
using LunarCode = std::int32_t;

// Gregorian month lengths, January first: row 0 common years, row 1 leap years.
inline constexpr std::uint16_t GregorianMonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// ---- Shared Gregorian date functions -------------------------------------

bool IsLeapYear(int year);

// Splits a date into its Gregorian year, month and day (see above for dates
// beyond the years 1 to 9999 and NaN).
void DecodeDate(TDateTime date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);

// The date of a Gregorian year (1 to 9999), month and day. Throws
// std::invalid_argument for a month or day that does not exist.
TDateTime EncodeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// Day of the week, 1 (Sunday) to 7 (Saturday).
int DayOfWeek(TDateTime date);

// Today's date, from the system clock in local time, without a time of day.
TDateTime Today();

// ---- Gregorian parts and lunar conversion ---------------------------------

std::uint16_t YearOfDate(TDateTime date);
std::uint16_t MonthOfDate(TDateTime date);
std::uint16_t DayOfDate(TDateTime date);
std::int32_t DayOfYearOf(TDateTime date);
LunarCode LunarCodeOf(TDateTime date);

// ---- Lunar names, festivals and year animal -------------------------------

std::string_view LunarMonthName(TDateTime date);
std::string_view LunarDayName(TDateTime date);
std::string_view LunarFestivalOf(TDateTime date);
std::string_view YearAnimalOf(TDateTime date);

// ---- Solar terms ------------------------------------------------------------

// Term number 1 to 24 on a term day, else 0.
std::uint16_t SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string_view SolarTermOf(TDateTime date);

// ---- Gregorian holidays and star signs -----------------------------------

// The holiday on `day` of the year and month of `date`, or empty text.
std::string_view HolidayOf(std::int32_t day, TDateTime date);
std::string_view StarSignOf(TDateTime date);
// StarSignOf the given day of the year and month of `date`.
std::string_view StarSignForDay(std::uint16_t day, TDateTime date);

}  // namespace DateCn
