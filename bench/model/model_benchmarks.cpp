// Speed of one model run and of the conversions it is made of.

#include <benchmark/benchmark.h>

#include "format_number.h"
#include "parse_number.h"
#include "wetting_front_model.h"

namespace {

void modelRunFromDefaultTexts(benchmark::State& state)
{
    const morvane::ModelInputs inputs;
    morvane::ModelResults results;
    for (auto _ : state) {
        morvane::runWettingFrontModel(inputs, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(modelRunFromDefaultTexts);

void parseRule(benchmark::State& state)
{
    std::string text = "2.5";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(morvane::parseNumber(text));
    }
}
BENCHMARK(parseRule);

void fixedFormatOneDecimal(benchmark::State& state)
{
    long double value = 35.04L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::formatFixed(value, 1));
    }
}
BENCHMARK(fixedFormatOneDecimal);

void generalFormat(benchmark::State& state)
{
    long double value = 19.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::formatGeneral(value));
    }
}
BENCHMARK(generalFormat);

}  // namespace

BENCHMARK_MAIN();
