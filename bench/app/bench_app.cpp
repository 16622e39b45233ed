// Building the main window (layout, picture and the first calculation) and
// one press of "Recalculate", alone and with the full redraws of both soil
// profile charts that it causes. Runs on the offscreen platform unless
// another is chosen.

#include <benchmark/benchmark.h>

#include <QPushButton>

#include "main_window.h"
#include "application.h"
#include "bundled_fonts.h"
#include "chart.h"

using namespace Qt::StringLiterals;

using morvane::MainWindow;

namespace {

void BM_BuildMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        MainWindow window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond);

void BM_Recalculate(benchmark::State& state)
{
    MainWindow window;
    auto* recalculate = window.findChild<QPushButton*>(u"BitBtn1"_s);
    for (auto _ : state)
        recalculate->click();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

// What the user waits for after pressing the button: the model, every chart
// step, and both charts painted afresh into their pictures (the light-soil
// chart moving the markers as it finishes).
void BM_RecalculateAndRedrawCharts(benchmark::State& state)
{
    MainWindow window;
    auto* recalculate = window.findChild<QPushButton*>(u"BitBtn1"_s);
    auto* chart1 = window.findChild<morvane::Chart*>(u"Chart1"_s);
    auto* chart2 = window.findChild<morvane::Chart*>(u"Chart2"_s);
    for (auto _ : state) {
        recalculate->click();
        chart1->redrawCache();
        chart2->redrawCache();
    }
}
BENCHMARK(BM_RecalculateAndRedrawCharts)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    morvane::Application application(argc, argv);
    morvane::loadBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
