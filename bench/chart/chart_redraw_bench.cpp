// A full redraw of a soil profile chart (137 x 401, two area series, three
// colour lines) into its picture cache, as happens after every
// recalculation.
//   bench_chart --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "bundled_fonts.h"
#include "chart.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace morvane;

void SetUpSoilChart(TChart& chart)
{
    chart.resize(137, 401);
    chart.SetColor(10930928);
    chart.SetBevelOuter(bvNone);
    chart.SetMarginTop(10);
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMinMax(0, 1);
    chart.BottomAxis().SetVisible(false);
    TChartAxis& depth = chart.LeftAxis();
    depth.SetAutomatic(false);
    depth.SetMinMax(0, 600);
    depth.SetInverted(true);
    depth.Title().SetCaption(QStringLiteral("Soil Depth (mm)"));
    depth.Title().Font().SetHeight(13);
    depth.Title().Font().SetBold(true);

    const std::pair<double, TColor> bands[] = {{400, clSkyBlue}, {277.8, clBlue}};
    for (const auto& [bandDepth, color] : bands) {
        auto* series = new TAreaSeries(&chart);
        chart.AddSeries(series);
        series->AddXY(0, bandDepth, QString(), color);
        series->AddXY(10, bandDepth, QString(), color);
        series->SetUseYOrigin(true);
    }
    const struct {
        double value;
        TColor color;
        int width;
        TPenEndStyle ends;
    } lines[] = {{500, clYellow, 3, esRound}, {400, clGreen, 3, esRound},
                 {-12.5, clFuchsia, 14, esFlat}};
    for (const auto& line : lines) {
        TColorLineTool& tool = chart.AddColorLineTool();
        tool.SetAxisID(TChart::LeftAxisIndex);
        tool.SetValue(line.value);
        tool.Pen().SetColor(line.color);
        tool.Pen().SetWidth(line.width);
        tool.Pen().SetEndStyle(line.ends);
    }
}

void BM_SoilChartFullRedraw(benchmark::State& state)
{
    TChart chart;
    SetUpSoilChart(chart);
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
