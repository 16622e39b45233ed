// Speed of one model run and of the conversions it is made of, for one
// arithmetic. This file is compiled once per arithmetic in the benchmark
// program; MORVANE_BENCH_ARITHMETIC names the copy ("hardware", "software").

#include <benchmark/benchmark.h>

#include <string>

#include "format_number.h"
#include "numeric_ops.h"
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

void parseRule(benchmark::State& state)
{
    std::string text = "2.5";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(morvane::parseNumber(text));
    }
}

void fixedFormatOneDecimal(benchmark::State& state)
{
    morvane::Extended value = morvane::parseNumber("35.04");
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::formatFixed(value, 1));
    }
}

void generalFormat(benchmark::State& state)
{
    morvane::Extended value = morvane::parseNumber("19.5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::formatGeneral(value));
    }
}

void percentFormat(benchmark::State& state)
{
    morvane::Extended value = morvane::parseNumber("28.5714285714286");
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::formatPercent(value));
    }
}

void roundToInteger(benchmark::State& state)
{
    morvane::Extended value = morvane::parseNumber("166.5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(morvane::roundToInteger(value));
    }
}

// Registered under "<arithmetic>/<name>", so the two copies sit side by side.
const bool registered = [] {
    const std::string prefix = std::string(MORVANE_BENCH_ARITHMETIC) + "/";
    benchmark::RegisterBenchmark((prefix + "modelRunFromDefaultTexts").c_str(), modelRunFromDefaultTexts);
    benchmark::RegisterBenchmark((prefix + "parseRule").c_str(), parseRule);
    benchmark::RegisterBenchmark((prefix + "fixedFormatOneDecimal").c_str(), fixedFormatOneDecimal);
    benchmark::RegisterBenchmark((prefix + "generalFormat").c_str(), generalFormat);
    benchmark::RegisterBenchmark((prefix + "percentFormat").c_str(), percentFormat);
    benchmark::RegisterBenchmark((prefix + "roundToInteger").c_str(), roundToInteger);
    return true;
}();

}  // namespace
