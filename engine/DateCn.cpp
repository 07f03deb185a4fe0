#include "engine/DateCn.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>
#include <stdexcept>

#include "engine/DateCnTables.h"

namespace DateCn {

namespace {

using tables::kFirstYear;
using tables::kLastYear;

// Whole days since 1899-12-30, the unit every operation works in.
using DayNumber = std::int32_t;

constexpr DayNumber kMinDay = -693593;      // 0001-01-01
constexpr DayNumber kMaxDay = 2958465;      // 9999-12-31
constexpr DayNumber kFirstLunarDay = 367;   // 1901-01-01
constexpr DayNumber kLastLunarDay = 55153;  // 2050-12-31

struct Ymd {
    int year;
    int month;
    int day;
};

constexpr bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr int MonthLength(int y, int m) {
    return GregorianMonthDays[IsLeap(y) ? 1 : 0][m - 1];
}

// Howard Hinnant's civil calendar conversions, shifted to the 1899-12-30 epoch.
// Valid for every day of the years 1 to 9999, which is all DayOf() ever yields.
constexpr DayNumber DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

constexpr Ymd CivilFromDays(DayNumber dn) {
    const int z = dn - 25569 + 719468;  // days since 0000-03-01, never negative here
    const int era = z / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

static_assert(DaysFromCivil(1, 1, 1) == kMinDay && kMinDay == MinDateTime);
static_assert(DaysFromCivil(9999, 12, 31) == kMaxDay && kMaxDay == MaxDateTime);
static_assert(DaysFromCivil(1901, 1, 1) == kFirstLunarDay);
static_assert(DaysFromCivil(2050, 12, 31) == kLastLunarDay);
static_assert(CivilFromDays(0).year == 1899 && CivilFromDays(0).day == 30);

// The whole day of a date. A date is a day count whose fraction is a time of
// day, so the whole part is the integer part (truncated toward zero: -1.25 is
// 1899-12-29 at 06:00). Days before 0001-01-01 and after 9999-12-31 (the
// infinities included) pin to those days; NaN reads as day 0. Comparing before
// converting keeps the conversion within range.
DayNumber DayOf(TDateTime date) {
    if (std::isnan(date)) return 0;
    if (date <= kMinDay) return kMinDay;
    if (date >= kMaxDay) return kMaxDay;
    return static_cast<DayNumber>(date);
}

constexpr LunarCode Pack(int month, int day) {
    return month > 0 ? month * 100 + day : month * 100 - day;
}

// The lunar date `t` days after 1 January of `year` (1901 to 2050), read from the
// sixteen months of the year's entry.
constexpr LunarCode LunarCodeAt(int year, int t) {
    const std::uint32_t entry = tables::LunarYearTable[year - kFirstYear];
    const int b0 = static_cast<int>(entry >> 24);
    const unsigned mask = (entry >> 8) & 0xFFFF;
    const int leap = static_cast<int>(entry & 0xFF);
    const int first = b0 & 0x7F;
    int number = (b0 & 0x80) ? 12 : 11;
    // The value of t on the last day of the month in progress so far.
    int end = 29 + static_cast<int>((mask >> 15) & 1) - first;
    if (t <= end) {
        // The entry cannot mark its first month as a leap month; whether it is
        // one shows on 31 December of the year before, which lies in a later
        // month of its own entry, so this looks back one level at most.
        if (year > kFirstYear && LunarCodeAt(year - 1, IsLeap(year - 1) ? 365 : 364) < 0) {
            number = -number;
        }
        return Pack(number, first + t);
    }
    // Month k (k >= 1) ends `29k + (30-day months among months 1..k)` days
    // after month 0 does; 30 days a month at most puts k at rel / 30 or one more.
    const int rel = t - end;
    const unsigned later = mask & 0x7FFF;  // months 1..15, month 1 in bit 14
    int k = (rel + 29) / 30;
    const auto daysThrough = [later](int months) {
        return 29 * months + std::popcount(later >> (15 - months));
    };
    if (daysThrough(k) < rel) ++k;
    if (k > 15) return 0;  // past the sixteenth month: no year's days reach it (checked below)
    const int day = rel - daysThrough(k - 1);
    // Month numbers run on from month 0's; the month after the one numbered
    // `leap` repeats it, and those after that lag one behind.
    const int leapAt = leap == 0 ? 99 : (leap - number + 12) % 12 + 1;
    if (k == leapAt) return Pack(-leap, day);
    return Pack((number - 1 + k - (k > leapAt ? 1 : 0)) % 12 + 1, day);
}

constexpr LunarCode LunarCodeOfDay(DayNumber dn) {
    if (dn < kFirstLunarDay || dn > kLastLunarDay) return 0;
    // Every fourth year from 1904 to 2048 is a leap year (1900 and 2100 lie
    // outside), so 1901 starts a regular four-year cycle of 1,461 days.
    const int n = dn - kFirstLunarDay;
    const int cycle = n / 1461;
    const int rest = n % 1461;
    const int yearInCycle = rest / 365 < 3 ? rest / 365 : 3;
    return LunarCodeAt(kFirstYear + 4 * cycle + yearInCycle, rest - 365 * yearInCycle);
}

// Each year's entry runs on seamlessly from the year before, and its sixteen
// months reach past 31 December.
constexpr bool LunarEntriesChain() {
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        if (LunarCodeAt(y, IsLeap(y) ? 365 : 364) == 0) return false;
        if (y > kFirstYear && LunarCodeAt(y - 1, IsLeap(y - 1) ? 366 : 365) != LunarCodeAt(y, 0)) {
            return false;
        }
    }
    return true;
}
static_assert(LunarEntriesChain(), "lunar entries must continue one another");
static_assert(LunarCodeOfDay(kFirstLunarDay) == 1111);
static_assert(LunarCodeOfDay(DaysFromCivil(2034, 1, 1)) == -1111);

constexpr std::string_view kMonthNames[13] = {
    "",     "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "腊月",
};
constexpr std::string_view kLeapMonthNames[13] = {
    "",     "闰正", "闰二", "闰三", "闰四", "闰五", "闰六",
    "闰七", "闰八", "闰九", "闰十", "闰冬", "闰腊",
};
constexpr std::string_view kDayNames[31] = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十",
};
constexpr std::string_view kYearAnimals[12] = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪",
};

struct StarSignSplit {
    int lastDayOfFirst;
    std::string_view first;
    std::string_view second;
};
constexpr StarSignSplit kStarSigns[12] = {
    {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"},
    {19, "白羊座", "金牛座"}, {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"},
    {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"}, {22, "处女座", "天秤座"},
    {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"},
};

// The month number of a code with its leap sign (-4 for -401), 0 outside the range.
constexpr int SignedMonth(LunarCode code) {
    return code / 100;
}

constexpr std::string_view MonthNameOf(LunarCode code) {
    const int q = SignedMonth(code);
    return q > 0 ? kMonthNames[q] : kLeapMonthNames[-q];
}

// 1 = Sunday .. 7 = Saturday; day 0 was a Saturday.
constexpr int WeekdayOf(DayNumber dn) {
    return ((dn % 7) + 7 + 6) % 7 + 1;
}

}  // namespace

bool IsLeapYear(int year) {
    return IsLeap(year);
}

void DecodeDate(TDateTime date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    const Ymd ymd = CivilFromDays(DayOf(date));
    year = static_cast<std::uint16_t>(ymd.year);
    month = static_cast<std::uint16_t>(ymd.month);
    day = static_cast<std::uint16_t>(ymd.day);
}

TDateTime EncodeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > MonthLength(year, month)) {
        throw std::invalid_argument("EncodeDate: no such date");
    }
    return DaysFromCivil(year, month, day);
}

int DayOfWeek(TDateTime date) {
    return WeekdayOf(DayOf(date));
}

TDateTime Today() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        // No local time to be had: fall back to the UTC day.
        return static_cast<TDateTime>(DayOf(static_cast<double>(now / 86400) + 25569));
    }
    const int year = local.tm_year + 1900;
    if (year < 1) return kMinDay;
    if (year > 9999) return kMaxDay;
    return DaysFromCivil(year, local.tm_mon + 1, local.tm_mday);
}

std::uint16_t YearOfDate(TDateTime date) {
    return static_cast<std::uint16_t>(CivilFromDays(DayOf(date)).year);
}

std::uint16_t MonthOfDate(TDateTime date) {
    return static_cast<std::uint16_t>(CivilFromDays(DayOf(date)).month);
}

std::uint16_t DayOfDate(TDateTime date) {
    return static_cast<std::uint16_t>(CivilFromDays(DayOf(date)).day);
}

std::int32_t DayOfYearOf(TDateTime date) {
    const DayNumber dn = DayOf(date);
    return dn - DaysFromCivil(CivilFromDays(dn).year, 1, 1) + 1;
}

LunarCode LunarCodeOf(TDateTime date) {
    return LunarCodeOfDay(DayOf(date));
}

std::string_view LunarMonthName(TDateTime date) {
    return MonthNameOf(LunarCodeOf(date));
}

std::string_view LunarDayName(TDateTime date) {
    const LunarCode code = LunarCodeOf(date);
    return kDayNames[(code < 0 ? -code : code) % 100];
}

std::string_view LunarFestivalOf(TDateTime date) {
    // Month names differ exactly when the signed month numbers differ (a leap
    // month's name starts with "闰"), so the numbers stand in for the names.
    const DayNumber dn = DayOf(date);
    const LunarCode code = LunarCodeOfDay(dn);
    const int month = SignedMonth(code);
    switch ((code < 0 ? -code : code) % 100) {
        case 1:
            return month == 1 ? "春节" : "";
        case 5:
            return month == 5 ? "端午节" : "";
        case 7:
            return month == 7 ? "七夕节" : "";
        case 8:
            return month == 12 ? "腊八节" : "";
        case 9:
            return month == 9 ? "重阳节" : "";
        case 15:
            return month == 8 ? "中秋节" : month == 1 ? "元宵节" : "";
        default:
            break;
    }
    if (month != 1 && SignedMonth(LunarCodeOfDay(dn + 1)) == 1) return "除夕";
    return "";
}

std::string_view YearAnimalOf(TDateTime date) {
    const DayNumber dn = DayOf(date);
    const Ymd ymd = CivilFromDays(dn);
    const int r = ((ymd.year - 1972) % 12 + 12) % 12;
    if (ymd.month <= 3) {
        // Still in the eleventh or twelfth month (leap or not) of last year's lunar year.
        const int month = SignedMonth(LunarCodeOfDay(dn));
        if (month == 11 || month == 12 || month == -11 || month == -12) {
            return kYearAnimals[(r + 11) % 12];
        }
    }
    return kYearAnimals[r];
}

std::uint16_t SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12) return 0;
    const std::uint8_t b = tables::SolarTermTable[year - kFirstYear][month - 1];
    if (day < 15) return day == 15 - (b >> 4) ? 2 * month - 1 : 0;
    return day == 15 + (b & 0x0F) ? 2 * month : 0;
}

std::string_view SolarTermOf(TDateTime date) {
    const Ymd ymd = CivilFromDays(DayOf(date));
    const int index = SolarTermIndex(ymd.year, ymd.month, ymd.day);
    return index == 0 ? std::string_view{} : tables::SolarTermNames[index - 1];
}

std::string_view HolidayOf(std::int32_t day, TDateTime date) {
    const Ymd ymd = CivilFromDays(DayOf(date));
    if (day < 1 || day > MonthLength(ymd.year, ymd.month)) return "";
    const auto nthWeekday = [&](int weekday, int week) {
        return WeekdayOf(DaysFromCivil(ymd.year, ymd.month, day)) == weekday &&
               (day - 1) / 7 == week;
    };
    switch (ymd.month) {
        case 1:
            return day == 1 ? "元旦节" : "";
        case 2:
            return day == 14 ? "情人节" : "";
        case 3:
            return day == 8 ? "妇女节" : "";
        case 4:
            return day == 1 ? "愚人节" : "";
        case 5:
            if (nthWeekday(1, 1)) return "母亲节";
            return day == 1 ? "劳动节" : day == 4 ? "青年节" : "";
        case 6:
            if (nthWeekday(1, 2)) return "父亲节";
            return day == 1 ? "儿童节" : "";
        case 7:
            return day == 1 ? "建党节" : "";
        case 8:
            return day == 1 ? "建军节" : "";
        case 9:
            return day == 10 ? "教师节" : "";
        case 10:
            return day == 1 ? "国庆节" : day == 6 ? "老人节" : day == 31 ? "万圣节" : "";
        case 11:
            if (nthWeekday(5, 3)) return "感恩节";
            return day == 8 ? "记者日" : "";
        default:
            return day == 25 ? "圣诞节" : "";
    }
}

std::string_view StarSignOf(TDateTime date) {
    const Ymd ymd = CivilFromDays(DayOf(date));
    const StarSignSplit& split = kStarSigns[ymd.month - 1];
    return ymd.day <= split.lastDayOfFirst ? split.first : split.second;
}

std::string_view StarSignForDay(std::uint16_t day, TDateTime date) {
    const Ymd ymd = CivilFromDays(DayOf(date));
    const int length = MonthLength(ymd.year, ymd.month);
    const int clamped = day < 1 ? 1 : day > length ? length : day;
    const StarSignSplit& split = kStarSigns[ymd.month - 1];
    return clamped <= split.lastDayOfFirst ? split.first : split.second;
}

}  // namespace DateCn
