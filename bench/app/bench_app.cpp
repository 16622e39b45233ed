// Building the main window (layout, picture and the first calculation) and
// one press of "Recalculate". Runs on the offscreen platform unless another
// is chosen.

#include <benchmark/benchmark.h>

#include <QPushButton>

#include "MainFormU.h"
#include "application.h"
#include "bundled_fonts.h"

namespace {

void BM_BuildMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        TForm1 window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond);

void BM_Recalculate(benchmark::State& state)
{
    TForm1 window;
    auto* recalculate = window.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    for (auto _ : state)
        recalculate->click();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    morvane::TApplication application(argc, argv);
    morvane::loadBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
