// Feeds arbitrary dates (any bit pattern of a double: NaN, infinities,
// subnormals, far-out values) and arbitrary day, month and year numbers to
// every engine operation. Sanitizers catch undefined behaviour and bad reads;
// the checks below catch answers outside what the engine promises.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "engine/DateCn.h"

using namespace DateCn;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Every text is a constant of at most three characters; reading it whole lets
// AddressSanitizer see a bad pointer or length.
void CheckText(std::string_view text) {
    Check(text.size() <= 9);
    unsigned sum = 0;
    for (char c : text) sum += static_cast<unsigned char>(c);
    Check(text.empty() || sum > 0);
}

TDateTime NextDate(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            return in.ConsumeFloatingPoint<double>();
        case 1: {  // any bit pattern
            const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
            double date;
            static_assert(sizeof date == sizeof bits);
            __builtin_memcpy(&date, &bits, sizeof date);
            return date;
        }
        default:  // a day near the lunar range, with a time of day
            return in.ConsumeIntegralInRange<std::int32_t>(-1000, 56000) +
                   in.ConsumeProbability<double>();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    while (in.remaining_bytes() > 0) {
        const TDateTime date = NextDate(in);
        const std::int32_t anyDay = in.ConsumeIntegral<std::int32_t>();
        const std::uint16_t y16 = in.ConsumeIntegral<std::uint16_t>();
        const std::uint16_t m16 = in.ConsumeIntegral<std::uint16_t>();
        const std::uint16_t d16 = in.ConsumeIntegral<std::uint16_t>();

        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        Check(y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= 31);
        Check(YearOfDate(date) == y && MonthOfDate(date) == m && DayOfDate(date) == d);
        const TDateTime whole = EncodeDate(y, m, d);
        const std::int32_t dayOfYear = DayOfYearOf(date);
        Check(dayOfYear >= 1 && dayOfYear <= 366);
        const int weekday = DayOfWeek(date);
        Check(weekday >= 1 && weekday <= 7 && weekday == DayOfWeek(whole));
        Check(IsLeapYear(y) == IsLeapYear(y + 400));

        const LunarCode code = LunarCodeOf(date);
        Check(code == LunarCodeOf(whole));
        const int lunarDay = (code < 0 ? -code : code) % 100;
        const int lunarMonth = (code < 0 ? -code : code) / 100;
        Check(code == 0 ? y < 1901 || y > 2050
                        : lunarDay >= 1 && lunarDay <= 30 && lunarMonth >= 1 && lunarMonth <= 12);
        CheckText(LunarMonthName(date));
        CheckText(LunarDayName(date));
        CheckText(LunarFestivalOf(date));
        CheckText(YearAnimalOf(date));
        Check(!YearAnimalOf(date).empty());
        CheckText(SolarTermOf(date));
        Check(SolarTermIndex(y16, m16, d16) <= 24);
        Check(SolarTermIndex(y16, m16, d16) == 0 || (m16 >= 1 && m16 <= 12));
        CheckText(HolidayOf(anyDay, date));
        CheckText(HolidayOf(d, date));
        CheckText(StarSignOf(date));
        Check(!StarSignOf(date).empty());
        CheckText(StarSignForDay(d16, date));
        Check(StarSignForDay(d, date) == StarSignOf(date));

        // EncodeDate either refuses or gives a date that decodes back.
        try {
            const TDateTime encoded = EncodeDate(y16, m16, d16);
            std::uint16_t y2 = 0, m2 = 0, d2 = 0;
            DecodeDate(encoded, y2, m2, d2);
            Check(y2 == y16 && m2 == m16 && d2 == d16);
        } catch (const std::invalid_argument&) {
            Check(y16 < 1 || y16 > 9999 || m16 < 1 || m16 > 12 || d16 < 1 || d16 > 28);
        }
    }
    return 0;
}
