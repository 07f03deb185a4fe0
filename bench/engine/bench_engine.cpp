// Speed of the calendar engine, with ICU's Chinese calendar converting the same
// days as the yardstick. Prints Google Benchmark's table, then a summary in
// nanoseconds per call and the engine's lead over ICU.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/DateCn.h"

using namespace DateCn;

namespace {

const TDateTime kFirst = EncodeDate(1901, 1, 1);
const TDateTime kLast = EncodeDate(2050, 12, 31);
const double kDays = kLast - kFirst + 1;

// Per-call time: the counter is the number of calls in one iteration, shown as
// seconds per call.
void PerCall(benchmark::State& state, double callsPerIteration) {
    state.counters["per_call"] =
        benchmark::Counter(callsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}

void BM_LunarCodeOf_EveryDay(benchmark::State& state) {
    for (auto _ : state) {
        for (TDateTime date = kFirst; date <= kLast; ++date) {
            benchmark::DoNotOptimize(LunarCodeOf(date));
        }
    }
    PerCall(state, kDays);
}
BENCHMARK(BM_LunarCodeOf_EveryDay);

// What drawing one month asks of the engine: every day's lunar day name (and
// month name on 初一), holiday, solar term and festival, then the year's animal
// and the selected day's star sign. Each iteration draws the next month of
// 1901-2050, so every month is drawn in turn.
void BM_DrawOneMonth(benchmark::State& state) {
    int year = 1901, month = 1;
    for (auto _ : state) {
        const TDateTime first = EncodeDate(year, month, 1);
        const int length = GregorianMonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
        for (int day = 1; day <= length; ++day) {
            const TDateTime date = first + day - 1;
            const std::string_view dayName = LunarDayName(date);
            benchmark::DoNotOptimize(dayName);
            if (dayName == "初一") benchmark::DoNotOptimize(LunarMonthName(date));
            benchmark::DoNotOptimize(HolidayOf(day, first));
            benchmark::DoNotOptimize(SolarTermOf(date));
            benchmark::DoNotOptimize(LunarFestivalOf(date));
        }
        benchmark::DoNotOptimize(YearAnimalOf(first));
        benchmark::DoNotOptimize(StarSignForDay(15, first));
        if (++month > 12) {
            month = 1;
            if (++year > 2050) year = 1901;
        }
    }
    PerCall(state, 1);  // per month drawn
}
BENCHMARK(BM_DrawOneMonth);

// Every operation on every day of the range.
void BM_EveryOperation_EveryDay(benchmark::State& state) {
    for (auto _ : state) {
        for (TDateTime date = kFirst; date <= kLast; ++date) {
            std::uint16_t y, m, d;
            DecodeDate(date, y, m, d);
            benchmark::DoNotOptimize(EncodeDate(y, m, d));
            benchmark::DoNotOptimize(IsLeapYear(y));
            benchmark::DoNotOptimize(DayOfWeek(date));
            benchmark::DoNotOptimize(YearOfDate(date));
            benchmark::DoNotOptimize(MonthOfDate(date));
            benchmark::DoNotOptimize(DayOfDate(date));
            benchmark::DoNotOptimize(DayOfYearOf(date));
            benchmark::DoNotOptimize(LunarCodeOf(date));
            benchmark::DoNotOptimize(LunarMonthName(date));
            benchmark::DoNotOptimize(LunarDayName(date));
            benchmark::DoNotOptimize(LunarFestivalOf(date));
            benchmark::DoNotOptimize(YearAnimalOf(date));
            benchmark::DoNotOptimize(SolarTermIndex(y, m, d));
            benchmark::DoNotOptimize(SolarTermOf(date));
            benchmark::DoNotOptimize(HolidayOf(d, date));
            benchmark::DoNotOptimize(StarSignOf(date));
            benchmark::DoNotOptimize(StarSignForDay(d, date));
        }
    }
    PerCall(state, kDays);  // per day, all operations
}
BENCHMARK(BM_EveryOperation_EveryDay);

std::unique_ptr<icu::Calendar> ChineseCalendar() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::createTimeZone("Asia/Shanghai"), icu::Locale("@calendar=chinese"), status));
    if (U_FAILURE(status)) return nullptr;
    return calendar;
}

// The same conversion through ICU: noon in Beijing of each day, read back as
// lunar month, leap flag and day. Also counts the days on which ICU's
// astronomical approximation disagrees with the engine's table.
void BM_IcuChinese_EveryDay(benchmark::State& state) {
    const auto calendar = ChineseCalendar();
    if (!calendar) {
        state.SkipWithError("ICU has no Chinese calendar");
        return;
    }
    std::vector<LunarCode> codes(static_cast<std::size_t>(kDays));
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        std::size_t i = 0;
        for (TDateTime date = kFirst; date <= kLast; ++date) {
            calendar->setTime((date - 25569 + 0.5) * 86400000.0 - 8 * 3600000.0, status);
            const int month = calendar->get(UCAL_MONTH, status) + 1;
            const int day = calendar->get(UCAL_DATE, status);
            const bool leap = calendar->get(UCAL_IS_LEAP_MONTH, status) != 0;
            codes[i++] = leap ? -(month * 100 + day) : month * 100 + day;
        }
        benchmark::DoNotOptimize(codes.data());
        if (U_FAILURE(status)) {
            state.SkipWithError(u_errorName(status));
            return;
        }
    }
    long differing = 0;
    std::size_t i = 0;
    for (TDateTime date = kFirst; date <= kLast; ++date)
        differing += codes[i++] != LunarCodeOf(date);
    PerCall(state, kDays);
    state.counters["days_differing"] = static_cast<double>(differing);
}
BENCHMARK(BM_IcuChinese_EveryDay)->Unit(benchmark::kMillisecond);

// Keeps the console table and remembers each run's per-call time for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto it = run.counters.find("per_call");
            if (it != run.counters.end()) perCallNs[run.benchmark_name()] = it->second.value * 1e9;
        }
    }
    std::map<std::string, double> perCallNs;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& ns = reporter.perCallNs;
    const auto show = [&](const char* label, const char* name, const char* unit) {
        if (const auto it = ns.find(name); it != ns.end()) {
            std::printf("%-44s %10.1f ns %s\n", label, it->second, unit);
        }
    };
    std::printf("\nSummary (%.0f days, 1901-01-01 to 2050-12-31)\n", kDays);
    show("LunarCodeOf", "BM_LunarCodeOf_EveryDay", "per call (goal: at most 25)");
    show("Drawing one month (all engine calls)", "BM_DrawOneMonth", "per month");
    show("Every operation on one day", "BM_EveryOperation_EveryDay", "per day");
    show("ICU Chinese calendar, one day", "BM_IcuChinese_EveryDay", "per day");
    const auto engine = ns.find("BM_LunarCodeOf_EveryDay");
    const auto icu = ns.find("BM_IcuChinese_EveryDay");
    if (engine != ns.end() && icu != ns.end() && engine->second > 0) {
        std::printf("%-44s %10.0f x   (goal: at least 1000)\n", "ICU time / LunarCodeOf time",
                    icu->second / engine->second);
    }
    return 0;
}
