// Speed of drawing a month in the calendar window, offscreen. The goal is at
// most 1 ms per redraw; `per_redraw` is the figure to read.
#include <benchmark/benchmark.h>

#include <QImage>

#include "calendar/DateWin.h"
#include "calendar/UpDown.h"
#include "platform/Clock.h"
#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"

namespace {

using DateCn::EncodeDate;
using DateWin::TDateTime;

void PerRedraw(benchmark::State& state, double redrawsPerIteration) {
    state.counters["per_redraw"] =
        benchmark::Counter(redrawsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}

// Every month of 1901 to 2050 in turn, on a shown window.
void BM_ShowMonth(benchmark::State& state) {
    platform::FixedClock clock(EncodeDate(2023, 3, 22));
    DateWin::TFRM_Date window(clock);
    window.show();
    int index = 0;
    for (auto _ : state) {
        const int year = 1901 + (index / 12) % 150;
        const int month = 1 + index % 12;
        window.ShowMonth(EncodeDate(year, month, 15));
        ++index;
    }
    PerRedraw(state, 1);
}
BENCHMARK(BM_ShowMonth);

// The same, and the window painted afterwards, as the screen would show it.
void BM_ShowMonthAndPaint(benchmark::State& state) {
    platform::FixedClock clock(EncodeDate(2023, 3, 22));
    DateWin::TFRM_Date window(clock);
    window.show();
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    int index = 0;
    for (auto _ : state) {
        const int year = 1901 + (index / 12) % 150;
        const int month = 1 + index % 12;
        window.ShowMonth(EncodeDate(year, month, 15));
        window.render(&image);
        ++index;
    }
    PerRedraw(state, 1);
}
BENCHMARK(BM_ShowMonthAndPaint);

// The year spinner's up arrow from 1901 to 2050: 149 redraws per sweep.
void BM_YearSpinnerSweep(benchmark::State& state) {
    platform::FixedClock clock(EncodeDate(1901, 8, 31));
    DateWin::TFRM_Date window(clock);
    window.show();
    auto* years = window.findChild<calendar::UpDown*>(QStringLiteral("UpDown1"));
    for (auto _ : state) {
        window.StaticText1Click();  // back to 1901
        for (int year = 1902; year <= 2050; ++year) years->step(calendar::UpDown::Button::Up);
    }
    PerRedraw(state, 150);  // the return to 1901 draws too
}
BENCHMARK(BM_YearSpinnerSweep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    platform::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
