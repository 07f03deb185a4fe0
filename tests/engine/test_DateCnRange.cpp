// Properties that must hold on every day of 1901-2050: they catch a wrong table
// byte or a slip in the month walk wherever it happens, not just on known dates.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateCn.h"
#include "engine/DateCnTables.h"

using namespace DateCn;

namespace {

const TDateTime kFirst = EncodeDate(1901, 1, 1);
const TDateTime kLast = EncodeDate(2050, 12, 31);

int Month(LunarCode c) {
    return c < 0 ? -c / 100 : c / 100;
}
int Day(LunarCode c) {
    return (c < 0 ? -c : c) % 100;
}

TEST(EveryDay, LunarDaysAdvanceByOneOrStartTheNextMonth) {
    LunarCode prev = LunarCodeOf(kFirst);
    int monthLength = 0;
    bool wholeMonth = false;  // the range starts in the middle of a month
    for (TDateTime date = kFirst + 1; date <= kLast; ++date) {
        const LunarCode code = LunarCodeOf(date);
        ASSERT_NE(code, 0) << YearOfDate(date) << "-" << MonthOfDate(date);
        if (Day(code) == Day(prev) + 1) {
            ASSERT_EQ(code / 100, prev / 100) << "month changed mid-month on day " << date;
        } else {
            ASSERT_EQ(Day(code), 1) << "day " << date << " follows " << prev << " with " << code;
            if (wholeMonth) {
                ASSERT_TRUE(monthLength == 29 || monthLength == 30)
                    << "month ending " << prev << " has " << monthLength << " days";
            }
            if (code < 0) {
                // A leap month repeats the ordinary month just before it.
                ASSERT_EQ(-code / 100, prev / 100) << "on day " << date;
            } else {
                ASSERT_EQ(Month(code), Month(prev) % 12 + 1) << "on day " << date;
            }
            wholeMonth = true;
            monthLength = 0;
        }
        ++monthLength;
        prev = code;
    }
}

// Counted day by day from each 1 January, the months have the lengths that the
// year's mask gives them: month 0 (in progress on 1 January) in the top bit.
TEST(EveryDay, MonthLengthsFollowTheTable) {
    for (int y = tables::kFirstYear; y <= tables::kLastYear; ++y) {
        const std::uint32_t entry = tables::LunarYearTable[y - tables::kFirstYear];
        const unsigned mask = (entry >> 8) & 0xFFFF;
        const TDateTime jan1 = EncodeDate(y, 1, 1);
        int month = 0;
        int length = Day(LunarCodeOf(jan1));
        for (TDateTime date = jan1 + 1; date <= kLast && month < 13; ++date) {
            if (Day(LunarCodeOf(date)) != 1) {
                ++length;
                continue;
            }
            ASSERT_EQ(length, 29 + static_cast<int>((mask >> (15 - month)) & 1))
                << "month " << month << " of the entry of " << y;
            ++month;
            length = 1;
        }
    }
}

// The table names the leap month of the lunar year beginning in each Gregorian
// year; it must appear in that lunar year, right after the month it repeats.
TEST(EveryDay, LeapMonthsAreTheOnesTheTableNames) {
    std::map<int, int> found;  // Gregorian year of the lunar new year -> leap month
    int lunarYear = 1900;
    for (TDateTime date = kFirst; date <= kLast; ++date) {
        const LunarCode code = LunarCodeOf(date);
        if (code == 101) lunarYear = YearOfDate(date);
        if (code < 0 && Day(code) == 1) {
            EXPECT_EQ(found.count(lunarYear), 0u) << "two leap months in " << lunarYear;
            found[lunarYear] = Month(code);
            EXPECT_EQ(LunarCodeOf(date - 1) / 100, Month(code)) << "on day " << date;
        }
    }
    for (int y = tables::kFirstYear; y <= tables::kLastYear; ++y) {
        const int leap = tables::LunarYearTable[y - tables::kFirstYear] & 0xFF;
        if (leap == 0) {
            EXPECT_EQ(found.count(y), 0u) << y;
        } else {
            EXPECT_EQ(found[y], leap) << y;
        }
    }
}

TEST(EveryDay, EveryMonthHasItsTwoSolarTerms) {
    for (int y = 1901; y <= 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int length = GregorianMonthDays[IsLeapYear(y) ? 1 : 0][m - 1];
            std::vector<int> found;
            for (int d = 1; d <= length; ++d) {
                const int index = SolarTermIndex(y, m, d);
                const std::string_view name = SolarTermOf(EncodeDate(y, m, d));
                if (index == 0) {
                    EXPECT_EQ(name, "");
                } else {
                    found.push_back(index);
                    EXPECT_EQ(name, tables::SolarTermNames[index - 1]);
                }
            }
            EXPECT_EQ(found, (std::vector<int>{2 * m - 1, 2 * m})) << y << "-" << m;
        }
    }
}

// Each lunar festival falls once in every Gregorian year; only 腊八节, early in
// January or late in December, can fall twice or not at all.
TEST(EveryDay, FestivalsOncePerYear) {
    const std::array<std::string_view, 7> once = {"春节",   "元宵节", "端午节", "七夕节",
                                                  "中秋节", "重阳节", "除夕"};
    std::map<std::string, int> count;
    int laba = 0;
    for (TDateTime date = kFirst; date <= kLast; ++date) {
        const std::string_view festival = LunarFestivalOf(date);
        if (!festival.empty()) ++count[std::string(festival)];
        if (festival == "腊八节") ++laba;
        if (MonthOfDate(date) == 12 && DayOfDate(date) == 31) {
            const int y = YearOfDate(date);
            for (std::string_view name : once) {
                EXPECT_EQ(count[std::string(name)], 1) << name << " in " << y;
            }
            EXPECT_LE(count["腊八节"], 2) << y;
            count.erase("腊八节");
            EXPECT_EQ(count.size(), once.size()) << y;
            count.clear();
        }
    }
    // A 腊八节 per lunar year: 1901-01-27 (from the lunar year of 1900) up to
    // the one of the lunar year begun in 2049.
    EXPECT_EQ(laba, 150);
}

// The animal changes on the lunar new year and nowhere else.
TEST(EveryDay, YearAnimalTurnsOnTheLunarNewYear) {
    const std::array<std::string_view, 12> cycle = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                                    "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};
    std::size_t index = 0;  // 1901-01-01 lies in the lunar year of 1900, a year of the rat
    for (TDateTime date = kFirst; date <= kLast; ++date) {
        if (LunarCodeOf(date) == 101) index = (index + 1) % 12;
        ASSERT_EQ(YearAnimalOf(date), cycle[index]) << "day " << date;
    }
}

TEST(EveryDay, MonthAndDayNamesMatchTheCode) {
    for (TDateTime date = kFirst; date <= kLast; ++date) {
        const LunarCode code = LunarCodeOf(date);
        const std::string_view month = LunarMonthName(date);
        ASSERT_EQ(month.size(), 6u) << "day " << date;  // two characters
        ASSERT_EQ(month.substr(0, 3) == "闰", code < 0) << "day " << date;
        ASSERT_EQ(LunarDayName(date).size(), 6u) << "day " << date;
        ASSERT_EQ(LunarDayName(date) == "初一", Day(code) == 1) << "day " << date;
    }
}

// Every Gregorian holiday falls once a year, the weekday ones on the right
// weekday of the right week.
TEST(EveryDay, HolidaysOncePerYear) {
    for (int y = 1901; y <= 2050; ++y) {
        std::map<std::string, int> count;
        for (int m = 1; m <= 12; ++m) {
            const TDateTime month = EncodeDate(y, m, 15);
            const int length = GregorianMonthDays[IsLeapYear(y) ? 1 : 0][m - 1];
            for (int d = 1; d <= length; ++d) {
                const std::string_view name = HolidayOf(d, month);
                if (name.empty()) continue;
                ++count[std::string(name)];
                const int weekday = DayOfWeek(EncodeDate(y, m, d));
                if (name == "母亲节") {
                    EXPECT_TRUE(weekday == 1 && d >= 8 && d <= 14) << y;
                } else if (name == "父亲节") {
                    EXPECT_TRUE(weekday == 1 && d >= 15 && d <= 21) << y;
                } else if (name == "感恩节") {
                    EXPECT_TRUE(weekday == 5 && d >= 22 && d <= 28) << y;
                }
            }
        }
        EXPECT_EQ(count.size(), 18u) << y;
        for (const auto& [name, n] : count) EXPECT_EQ(n, 1) << name << " in " << y;
    }
}

TEST(EveryDay, StarSignForDayAgreesWithStarSignOf) {
    for (TDateTime date = EncodeDate(2024, 1, 1); date <= EncodeDate(2024, 12, 31); ++date) {
        EXPECT_EQ(StarSignForDay(DayOfDate(date), EncodeDate(2024, MonthOfDate(date), 1)),
                  StarSignOf(date));
    }
}

// Decoding and encoding agree on every day of the years 1 to 9999, the day of
// the year is the sum of the month lengths before it, and weekdays cycle.
TEST(EveryDay, GregorianRoundTrip) {
    const TDateTime first = EncodeDate(1, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    int weekday = DayOfWeek(first);
    for (TDateTime date = first; date <= last; ++date) {
        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        ASSERT_EQ(EncodeDate(y, m, d), date);
        int sum = d;
        for (int i = 1; i < m; ++i) sum += GregorianMonthDays[IsLeapYear(y) ? 1 : 0][i - 1];
        ASSERT_EQ(DayOfYearOf(date), sum) << "day " << date;
        ASSERT_EQ(DayOfWeek(date), weekday) << "day " << date;
        weekday = weekday % 7 + 1;
    }
}

// Only the whole day counts: any time of day, and a negative date's fraction,
// which is a time after that day's midnight, leave every answer unchanged.
TEST(EveryDay, TimeOfDayNeverChangesAnAnswer) {
    const auto check = [](TDateTime day) {
        const double sign = day < 0 ? -1.0 : 1.0;
        const int d = DayOfDate(day);
        for (double fraction : {0.25, 0.5, 0.999999}) {
            const TDateTime t = day + sign * fraction;
            ASSERT_EQ(YearOfDate(t), YearOfDate(day)) << t;
            ASSERT_EQ(MonthOfDate(t), MonthOfDate(day)) << t;
            ASSERT_EQ(DayOfDate(t), d) << t;
            ASSERT_EQ(DayOfYearOf(t), DayOfYearOf(day)) << t;
            ASSERT_EQ(DayOfWeek(t), DayOfWeek(day)) << t;
            ASSERT_EQ(LunarCodeOf(t), LunarCodeOf(day)) << t;
            ASSERT_EQ(LunarMonthName(t), LunarMonthName(day)) << t;
            ASSERT_EQ(LunarDayName(t), LunarDayName(day)) << t;
            ASSERT_EQ(LunarFestivalOf(t), LunarFestivalOf(day)) << t;
            ASSERT_EQ(YearAnimalOf(t), YearAnimalOf(day)) << t;
            ASSERT_EQ(SolarTermOf(t), SolarTermOf(day)) << t;
            ASSERT_EQ(HolidayOf(d, t), HolidayOf(d, day)) << t;
            ASSERT_EQ(StarSignOf(t), StarSignOf(day)) << t;
            ASSERT_EQ(StarSignForDay(d, t), StarSignForDay(d, day)) << t;
        }
    };
    for (TDateTime day = kFirst - 1; day <= kLast + 1; ++day) check(day);
    for (TDateTime day = -800; day <= 0; ++day) check(day);
}

}  // namespace
