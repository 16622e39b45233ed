// A full redraw of a soil profile chart (137 x 401, two area series, three
// colour lines) into its picture cache, as happens after every
// recalculation.
//   bench_chart --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "bundled_fonts.h"
#include "chart.h"
#include "soil_chart_fixture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace morvane;

// The chart as the window sets it up after a recalculation with the default
// inputs: two bands, the root zone and 24-hour lines and the applied-water bar.
void SetUpRecalculatedChart(TChart& chart)
{
    test::SetUpSoilChart(chart);
    test::AddBand(chart, 400, clSkyBlue);
    test::AddBand(chart, 277.8, clBlue);
    test::AddDepthLine(chart, 500, clYellow, 3);
    test::AddDepthLine(chart, 400, clGreen, 3);
    test::AddDepthLine(chart, -12.5, clFuchsia, 14, esFlat);
}

void BM_SoilChartFullRedraw(benchmark::State& state)
{
    TChart chart;
    SetUpRecalculatedChart(chart);
    chart.RedrawCache();  // first redraw sizes the cache
    for (auto _ : state) {
        chart.Invalidate();
        chart.RedrawCache();
        benchmark::DoNotOptimize(chart.Cache().cacheKey());
    }
}
BENCHMARK(BM_SoilChartFullRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    morvane::loadBundledFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
