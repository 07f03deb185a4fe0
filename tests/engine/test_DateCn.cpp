// Known dates of the calendar engine: its documented edge cases, the table
// entries that were mended, and what it answers for dates it has no data for.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "engine/DateCn.h"

using namespace DateCn;
using namespace std::string_view_literals;

namespace {

TDateTime D(int y, int m, int d) {
    return EncodeDate(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                      static_cast<std::uint16_t>(d));
}

struct Ymd {
    int y, m, d;
};

// ---- Gregorian date functions --------------------------------------------------

TEST(GregorianDates, EncodeAndDecodeKnownDays) {
    struct Case {
        Ymd date;
        TDateTime day;
        int weekday;  // 1 = Sunday
    };
    const Case cases[] = {
        {{1899, 12, 30}, 0, 7},    {{1899, 12, 31}, 1, 1},       {{1899, 12, 29}, -1, 6},
        {{1900, 1, 1}, 2, 2},      {{1900, 3, 1}, 61, 5},        {{1901, 1, 1}, 367, 3},
        {{2000, 2, 29}, 36585, 3}, {{2024, 2, 4}, 45326, 1},     {{2050, 12, 31}, 55153, 7},
        {{1, 1, 1}, -693593, 2},   {{9999, 12, 31}, 2958465, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.y << "-" << c.date.m << "-" << c.date.d);
        EXPECT_EQ(D(c.date.y, c.date.m, c.date.d), c.day);
        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(c.day, y, m, d);
        EXPECT_EQ(y, c.date.y);
        EXPECT_EQ(m, c.date.m);
        EXPECT_EQ(d, c.date.d);
        EXPECT_EQ(YearOfDate(c.day), c.date.y);
        EXPECT_EQ(MonthOfDate(c.day), c.date.m);
        EXPECT_EQ(DayOfDate(c.day), c.date.d);
        EXPECT_EQ(DayOfWeek(c.day), c.weekday);
    }
}

TEST(GregorianDates, EncodeDateRejectsDaysThatDoNotExist) {
    const Ymd bad[] = {{2023, 2, 29}, {2024, 2, 30}, {1900, 2, 29}, {2023, 4, 31}, {2023, 13, 1},
                       {2023, 0, 1},  {2023, 1, 0},  {2023, 1, 32}, {0, 1, 1},     {10000, 1, 1}};
    for (const Ymd& b : bad) {
        SCOPED_TRACE(testing::Message() << b.y << "-" << b.m << "-" << b.d);
        EXPECT_THROW(D(b.y, b.m, b.d), std::invalid_argument);
    }
    EXPECT_NO_THROW(D(2000, 2, 29));
}

TEST(GregorianDates, LeapYearRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2023));
}

TEST(GregorianDates, DayOfYear) {
    EXPECT_EQ(DayOfYearOf(D(1900, 3, 1)), 60);  // 1900 is no leap year
    EXPECT_EQ(DayOfYearOf(D(2000, 3, 1)), 61);
    EXPECT_EQ(DayOfYearOf(D(2000, 12, 31)), 366);
    EXPECT_EQ(DayOfYearOf(D(2023, 12, 31)), 365);
    for (int y : {1, 1899, 1900, 1901, 2000, 2050, 2051, 9999}) {
        EXPECT_EQ(DayOfYearOf(D(y, 1, 1)), 1) << y;
    }
}

// Today comes from the local clock; bracket the call with two readings of it so
// a midnight in between cannot make the test flaky.
TEST(GregorianDates, TodayIsTheLocalDateWithoutTimeOfDay) {
    const auto localDay = [] {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return D(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    };
    const TDateTime before = localDay();
    const TDateTime today = Today();
    const TDateTime after = localDay();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_TRUE(today == before || today == after) << today;
}

// ---- Lunar conversion ------------------------------------------------------------

TEST(LunarCode, KnownDates) {
    struct Case {
        Ymd date;
        LunarCode code;
    };
    const Case cases[] = {
        {{1901, 1, 1}, 1111},  // month 0 of 1901 has nothing to look back on
        {{1901, 2, 19}, 101},
        {{1900, 12, 31}, 0},
        {{2051, 1, 1}, 0},
        {{2050, 12, 31}, 1118},
        {{2023, 1, 21}, 1230},
        {{2023, 1, 22}, 101},
        {{2023, 3, 22}, -201},
        {{2023, 4, 19}, -229},
        {{2023, 4, 20}, 301},
        {{2020, 5, 23}, -401},
        {{2020, 6, 21}, 501},
        {{2020, 12, 31}, 1117},
        {{2023, 12, 31}, 1119},
        {{1984, 11, 23}, -1001},
        {{2033, 12, 22}, -1101},
        {{2033, 12, 31}, -1110},
        {{2034, 1, 1}, -1111},  // the leap month in progress, learnt from 2033-12-31
        {{2034, 1, 20}, 1201},
        {{2000, 2, 29}, 125},
        // Lunar new years across the range.
        {{1949, 1, 29}, 101},
        {{2000, 2, 5}, 101},
        {{2008, 2, 7}, 101},
        {{2020, 1, 25}, 101},
        {{2050, 1, 23}, 101},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LunarCodeOf(D(c.date.y, c.date.m, c.date.d)), c.code)
            << c.date.y << "-" << c.date.m << "-" << c.date.d;
    }
}

// Two year entries had month lengths that contradict the new moons (UTC+8).
TEST(LunarCode, MendedMonthLengths) {
    struct Case {
        Ymd date;
        LunarCode code;
    };
    const Case cases[] = {
        {{1989, 7, 3}, 601},  {{1989, 8, 1}, 630},  // the sixth month has 30 days
        {{1989, 8, 2}, 701},  {{1989, 8, 30}, 729}, {{1989, 8, 31}, 801},
        {{2013, 5, 10}, 401}, {{2013, 6, 7}, 429},  // the fourth month has 29 days
        {{2013, 6, 8}, 501},  {{2013, 7, 8}, 601},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LunarCodeOf(D(c.date.y, c.date.m, c.date.d)), c.code)
            << c.date.y << "-" << c.date.m << "-" << c.date.d;
    }
}

// ---- Lunar names, festivals and year animal -----------------------------------

TEST(LunarNames, KnownDates) {
    struct Case {
        Ymd date;
        std::string_view month, day, festival, animal;
    };
    const Case cases[] = {
        {{1901, 1, 1}, "冬月", "十一", "", "子鼠"},
        {{2023, 1, 21}, "腊月", "三十", "除夕", "寅虎"},
        {{2023, 1, 22}, "正月", "初一", "春节", "卯兔"},
        {{2023, 2, 5}, "正月", "十五", "元宵节", "卯兔"},
        {{2023, 3, 22}, "闰二", "初一", "", "卯兔"},
        {{2023, 6, 22}, "五月", "初五", "端午节", "卯兔"},
        {{2023, 8, 22}, "七月", "初七", "七夕节", "卯兔"},
        {{2023, 9, 29}, "八月", "十五", "中秋节", "卯兔"},
        {{2023, 10, 23}, "九月", "初九", "重阳节", "卯兔"},
        {{2024, 1, 18}, "腊月", "初八", "腊八节", "卯兔"},
        {{2000, 2, 4}, "腊月", "廿九", "除夕", "卯兔"},  // a 29-day twelfth month
        {{2000, 2, 5}, "正月", "初一", "春节", "辰龙"},
        {{2009, 6, 27}, "闰五", "初五", "", "丑牛"},  // no 端午节 in a leap month
        {{1984, 11, 23}, "闰十", "初一", "", "子鼠"},
        {{2033, 12, 22}, "闰冬", "初一", "", "丑牛"},
        {{2034, 1, 1}, "闰冬", "十一", "", "丑牛"},
        {{2034, 2, 19}, "正月", "初一", "春节", "寅虎"},
        // The next day, 2051-01-01, has no month name, so this is no 除夕.
        {{2050, 12, 31}, "冬月", "十八", "", "午马"},
        {{2023, 1, 20}, "腊月", "廿九", "", "寅虎"},  // a day before 除夕 of a 30-day month
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.y << "-" << c.date.m << "-" << c.date.d);
        const TDateTime date = D(c.date.y, c.date.m, c.date.d);
        EXPECT_EQ(LunarMonthName(date), c.month);
        EXPECT_EQ(LunarDayName(date), c.day);
        EXPECT_EQ(LunarFestivalOf(date), c.festival);
        EXPECT_EQ(YearAnimalOf(date), c.animal);
    }
}

// ---- Solar terms -------------------------------------------------------------------

TEST(SolarTerms, KnownDays) {
    struct Case {
        Ymd date;
        int index;
        std::string_view name;
    };
    const Case cases[] = {
        {{1901, 1, 6}, 1, "小寒"},   {{1901, 1, 21}, 2, "大寒"},   {{1901, 1, 7}, 0, ""},
        {{2050, 12, 7}, 23, "大雪"}, {{2050, 12, 22}, 24, "冬至"}, {{2050, 12, 21}, 0, ""},
        {{2024, 2, 4}, 3, "立春"},   {{2024, 2, 19}, 4, "雨水"},   {{2024, 12, 21}, 24, "冬至"},
        {{2024, 6, 5}, 11, "芒种"},  {{2024, 6, 21}, 12, "夏至"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.y << "-" << c.date.m << "-" << c.date.d);
        EXPECT_EQ(SolarTermIndex(c.date.y, c.date.m, c.date.d), c.index);
        EXPECT_EQ(SolarTermOf(D(c.date.y, c.date.m, c.date.d)), c.name);
    }
    EXPECT_EQ(SolarTermOf(D(2024, 2, 4) + 0.75), "立春");  // 18:00
}

// Each mended byte: the term falls on its true day and no longer on the day the
// widely copied tables give.
TEST(SolarTerms, MendedDays) {
    struct Case {
        int year, month, trueDay, index, wrongDay;
    };
    const Case cases[] = {
        {1904, 10, 9, 19, 8},   {1912, 11, 22, 22, 23}, {1913, 9, 23, 18, 24},
        {1929, 10, 9, 19, 8},   {1929, 11, 23, 22, 22}, {1949, 8, 23, 16, 24},
        {1954, 10, 24, 20, 23}, {1962, 1, 20, 2, 21},   {1973, 2, 19, 4, 20},
        {1976, 8, 23, 16, 24},  {1977, 5, 5, 9, 6},     {1979, 1, 20, 2, 21},
        {1981, 11, 7, 21, 8},   {1991, 5, 6, 9, 7},     {1995, 8, 23, 16, 21},
        {2033, 7, 22, 14, 23},  {2034, 8, 7, 15, 8},    {2049, 4, 4, 7, 5},
        {2049, 4, 19, 8, 20},   {2050, 9, 7, 17, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.trueDay);
        EXPECT_EQ(SolarTermIndex(c.year, c.month, c.trueDay), c.index);
        EXPECT_EQ(SolarTermIndex(c.year, c.month, c.wrongDay), 0);
    }
    EXPECT_EQ(SolarTermOf(D(1995, 8, 23)), "处暑");
    EXPECT_EQ(SolarTermOf(D(1995, 8, 21)), "");
}

TEST(SolarTerms, NoTermOnDaysOutsideTheTermWindows) {
    for (int y : {1901, 1977, 2024, 2050}) {
        for (int m = 1; m <= 12; ++m) {
            for (int d : {1, 2, 10, 11, 12, 13, 14, 15, 16, 17, 25, 26, 27, 28, 29, 30, 31}) {
                EXPECT_EQ(SolarTermIndex(y, m, d), 0) << y << "-" << m << "-" << d;
            }
        }
    }
}

// ---- Holidays and star signs -------------------------------------------------------

TEST(Holidays, KnownDays) {
    struct Case {
        int day;
        Ymd monthOf;  // only its year and month count
        std::string_view name;
    };
    const Case cases[] = {
        {1, {2023, 1, 17}, "元旦节"},
        {2, {2023, 1, 17}, ""},
        {14, {2023, 2, 3}, "情人节"},
        {8, {2023, 3, 1}, "妇女节"},
        {1, {2023, 4, 9}, "愚人节"},
        // May 2022 begins on a Sunday.
        {1, {2022, 5, 1}, "劳动节"},
        {4, {2022, 5, 1}, "青年节"},
        {8, {2022, 5, 1}, "母亲节"},
        {5, {2024, 5, 1}, ""},
        {12, {2024, 5, 1}, "母亲节"},
        {12, {2024, 5, 31}, "母亲节"},
        // June 2025 begins on a Sunday.
        {1, {2025, 6, 1}, "儿童节"},
        {15, {2025, 6, 1}, "父亲节"},
        {8, {2025, 6, 1}, ""},
        {16, {2024, 6, 1}, "父亲节"},
        {1, {2024, 7, 1}, "建党节"},
        {1, {2024, 8, 1}, "建军节"},
        {10, {2024, 9, 1}, "教师节"},
        {1, {2024, 10, 9}, "国庆节"},
        {6, {2024, 10, 9}, "老人节"},
        {31, {2024, 10, 9}, "万圣节"},
        // November 2029 begins on a Thursday.
        {8, {2029, 11, 1}, "记者日"},
        {22, {2029, 11, 1}, "感恩节"},
        {29, {2029, 11, 1}, ""},
        {1, {2029, 11, 1}, ""},
        {28, {2024, 11, 1}, "感恩节"},
        {25, {2024, 12, 1}, "圣诞节"},
        {24, {2024, 12, 1}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.monthOf.y << "-" << c.monthOf.m << " day " << c.day);
        EXPECT_EQ(HolidayOf(c.day, D(c.monthOf.y, c.monthOf.m, c.monthOf.d)), c.name);
    }
}

TEST(StarSigns, Boundaries) {
    struct Case {
        Ymd date;
        std::string_view sign;
    };
    const Case cases[] = {
        {{2023, 1, 19}, "摩羯座"},  {{2023, 1, 20}, "水瓶座"},  {{2023, 2, 18}, "水瓶座"},
        {{2023, 2, 19}, "双鱼座"},  {{2024, 2, 29}, "双鱼座"},  {{2023, 3, 20}, "双鱼座"},
        {{2023, 3, 21}, "白羊座"},  {{2023, 4, 19}, "白羊座"},  {{2023, 4, 20}, "金牛座"},
        {{2023, 5, 20}, "金牛座"},  {{2023, 5, 21}, "双子座"},  {{2023, 6, 21}, "双子座"},
        {{2023, 6, 22}, "巨蟹座"},  {{2023, 7, 22}, "巨蟹座"},  {{2023, 7, 23}, "狮子座"},
        {{2023, 8, 22}, "狮子座"},  {{2023, 8, 23}, "处女座"},  {{2023, 9, 22}, "处女座"},
        {{2023, 9, 23}, "天秤座"},  {{2023, 10, 23}, "天秤座"}, {{2023, 10, 24}, "天蝎座"},
        {{2023, 11, 21}, "天蝎座"}, {{2023, 11, 22}, "射手座"}, {{2023, 12, 21}, "射手座"},
        {{2023, 12, 22}, "摩羯座"}, {{2023, 12, 31}, "摩羯座"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.y << "-" << c.date.m << "-" << c.date.d);
        const TDateTime date = D(c.date.y, c.date.m, c.date.d);
        EXPECT_EQ(StarSignOf(date), c.sign);
        // The day argument replaces the date's own day.
        EXPECT_EQ(StarSignForDay(c.date.d, D(c.date.y, c.date.m, 1)), c.sign);
    }
    EXPECT_EQ(StarSignForDay(23, D(2024, 8, 2)), "处女座");
}

// ---- Days that do not exist and dates without data --------------------------------

TEST(OutOfRange, DaysMissingFromTheMonth) {
    EXPECT_EQ(HolidayOf(0, D(2024, 1, 1)), "");
    EXPECT_EQ(HolidayOf(-1, D(2024, 1, 1)), "");
    EXPECT_EQ(HolidayOf(32, D(2024, 10, 1)), "");
    EXPECT_EQ(HolidayOf(31, D(2024, 11, 1)), "");  // November has 30 days
    EXPECT_EQ(HolidayOf(30, D(2024, 2, 1)), "");
    EXPECT_EQ(HolidayOf(std::numeric_limits<std::int32_t>::min(), D(2024, 5, 1)), "");
    EXPECT_EQ(HolidayOf(std::numeric_limits<std::int32_t>::max(), D(2024, 12, 1)), "");
    // Clamped into the month: day 0 is the 1st, a day past the end the last day.
    EXPECT_EQ(StarSignForDay(0, D(2024, 3, 30)), "双鱼座");
    EXPECT_EQ(StarSignForDay(31, D(2023, 6, 1)), "巨蟹座");
    EXPECT_EQ(StarSignForDay(30, D(2023, 2, 1)), "双鱼座");
    EXPECT_EQ(StarSignForDay(65535, D(2023, 1, 5)), "水瓶座");
}

TEST(OutOfRange, YearsWithoutTables) {
    for (int y : {1, 1899, 1900, 2051, 9999}) {
        SCOPED_TRACE(y);
        for (int m = 1; m <= 12; ++m) {
            const TDateTime date = D(y, m, 21);
            EXPECT_EQ(LunarCodeOf(date), 0);
            EXPECT_EQ(LunarMonthName(date), "");
            EXPECT_EQ(LunarDayName(date), "");
            EXPECT_EQ(LunarFestivalOf(date), "");
            EXPECT_EQ(SolarTermOf(date), "");
            EXPECT_EQ(SolarTermIndex(y, m, 21), 0);
            EXPECT_EQ(SolarTermIndex(y, m, 6), 0);
        }
    }
    // A month outside 1 to 12 in a year with data.
    for (int m : {0, 13, 255, 65535}) {
        for (int d = 0; d <= 31; ++d) EXPECT_EQ(SolarTermIndex(2024, m, d), 0) << m << " " << d;
    }
    // With no lunar month to defer to, the animal is that of the Gregorian year.
    EXPECT_EQ(YearAnimalOf(D(1900, 1, 15)), "子鼠");
    EXPECT_EQ(YearAnimalOf(D(2051, 1, 15)), "未羊");
    EXPECT_EQ(YearAnimalOf(D(1971, 6, 1)), "亥猪");
}

// NaN reads as day 0 (1899-12-30); anything before 0001-01-01 or after
// 9999-12-31, infinities included, pins to that day.
TEST(OutOfRange, NonFiniteAndFarOutDates) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        TDateTime date;
        Ymd as;
    };
    const Case cases[] = {
        {nan, {1899, 12, 30}},
        {-nan, {1899, 12, 30}},
        {inf, {9999, 12, 31}},
        {-inf, {1, 1, 1}},
        {1e300, {9999, 12, 31}},
        {-1e300, {1, 1, 1}},
        {std::numeric_limits<double>::max(), {9999, 12, 31}},
        {std::numeric_limits<double>::lowest(), {1, 1, 1}},
        {2958466.0, {9999, 12, 31}},
        {-693594.5, {1, 1, 1}},
        {std::numeric_limits<double>::denorm_min(), {1899, 12, 30}},
        {-0.0, {1899, 12, 30}},
        {-0.75, {1899, 12, 30}},  // 06:00 before day 0's midnight is still day 0
        {-1.25, {1899, 12, 29}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(c.date, y, m, d);
        EXPECT_EQ(y, c.as.y);
        EXPECT_EQ(m, c.as.m);
        EXPECT_EQ(d, c.as.d);
        const TDateTime same = D(c.as.y, c.as.m, c.as.d);
        EXPECT_EQ(DayOfYearOf(c.date), DayOfYearOf(same));
        EXPECT_EQ(DayOfWeek(c.date), DayOfWeek(same));
        EXPECT_EQ(LunarCodeOf(c.date), 0);
        EXPECT_EQ(LunarMonthName(c.date), "");
        EXPECT_EQ(LunarDayName(c.date), "");
        EXPECT_EQ(LunarFestivalOf(c.date), "");
        EXPECT_EQ(YearAnimalOf(c.date), YearAnimalOf(same));
        EXPECT_EQ(SolarTermOf(c.date), "");
        EXPECT_EQ(HolidayOf(c.as.d, c.date), HolidayOf(c.as.d, same));
        EXPECT_EQ(StarSignOf(c.date), StarSignOf(same));
        EXPECT_EQ(StarSignForDay(c.as.d, c.date), StarSignOf(same));
    }
}

}  // namespace
