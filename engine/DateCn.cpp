// Placeholder so the tree builds before the engine lands.
#include "engine/DateCn.h"

#include <chrono>
#include <stdexcept>

namespace DateCn {
bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
void DecodeDate(TDateTime, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    y = 1899;
    m = 12;
    d = 30;
}
TDateTime EncodeDate(std::uint16_t, std::uint16_t, std::uint16_t) {
    throw std::invalid_argument("todo");
}
int DayOfWeek(TDateTime) {
    return 7;
}
TDateTime Today() {
    return 0;
}
std::uint16_t YearOfDate(TDateTime) {
    return 0;
}
std::uint16_t MonthOfDate(TDateTime) {
    return 0;
}
std::uint16_t DayOfDate(TDateTime) {
    return 0;
}
std::int32_t DayOfYearOf(TDateTime) {
    return 0;
}
LunarCode LunarCodeOf(TDateTime) {
    return 0;
}
std::string_view LunarMonthName(TDateTime) {
    return {};
}
std::string_view LunarDayName(TDateTime) {
    return {};
}
std::string_view LunarFestivalOf(TDateTime) {
    return {};
}
std::string_view YearAnimalOf(TDateTime) {
    return {};
}
std::uint16_t SolarTermIndex(std::uint16_t, std::uint16_t, std::uint16_t) {
    return 0;
}
std::string_view SolarTermOf(TDateTime) {
    return {};
}
std::string_view HolidayOf(std::int32_t, TDateTime) {
    return {};
}
std::string_view StarSignOf(TDateTime) {
    return {};
}
std::string_view StarSignForDay(std::uint16_t, TDateTime) {
    return {};
}
}  // namespace DateCn
