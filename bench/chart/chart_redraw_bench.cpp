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
void SetUpRecalculatedChart(Chart& chart)
{
    test::setUpSoilChart(chart);
    test::addBand(chart, 400, colours::skyBlue);
    test::addBand(chart, 277.8, colours::blue);
    test::addDepthLine(chart, 500, colours::yellow, 3);
    test::addDepthLine(chart, 400, colours::green, 3);
    test::addDepthLine(chart, -12.5, colours::fuchsia, 14, Qt::FlatCap);
}

void BM_SoilChartFullRedraw(benchmark::State& state)
{
    Chart chart;
    SetUpRecalculatedChart(chart);
    chart.redrawCache();  // first redraw sizes the cache
    for (auto _ : state) {
        chart.invalidate();
        chart.redrawCache();
        benchmark::DoNotOptimize(chart.cache().cacheKey());
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
