// Speed of one model run and of the conversions it is made of, for one
// arithmetic. This file is compiled once per arithmetic in the benchmark
// program; MORVANE_BENCH_ARITHMETIC names the copy ("hardware", "software").

#include <benchmark/benchmark.h>

#include <string>

#include "format_number.h"
#include "numeric_ops.h"
#include "parse_number.h"
#include "soil_text.h"
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

// The same run with a soil of one's own in each slot, read once from its text.
void modelRunWithOwnSoils(benchmark::State& state)
{
    morvane::ModelInputs inputs;
    inputs.soils.light = morvane::readSoilText("0.2:0.1:0.23:0.3").soil.value();
    inputs.soils.heavy = morvane::readSoilText("0.36:0.2:0.4:0.45").soil.value();
    morvane::ModelResults results;
    for (auto _ : state) {
        morvane::runWettingFrontModel(inputs, results);
        benchmark::DoNotOptimize(results);
    }
}

// Reading and checking one soil text, as a batch row with a soil column does.
void soilTextReading(benchmark::State& state)
{
    std::string text = "0.2:0.1:0.23:0.3";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(morvane::readSoilText(text));
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
    benchmark::RegisterBenchmark((prefix + "modelRunWithOwnSoils").c_str(), modelRunWithOwnSoils);
    benchmark::RegisterBenchmark((prefix + "soilTextReading").c_str(), soilTextReading);
    benchmark::RegisterBenchmark((prefix + "parseRule").c_str(), parseRule);
    benchmark::RegisterBenchmark((prefix + "fixedFormatOneDecimal").c_str(), fixedFormatOneDecimal);
    benchmark::RegisterBenchmark((prefix + "generalFormat").c_str(), generalFormat);
    benchmark::RegisterBenchmark((prefix + "percentFormat").c_str(), percentFormat);
    benchmark::RegisterBenchmark((prefix + "roundToInteger").c_str(), roundToInteger);
    return true;
}();

}  // namespace
