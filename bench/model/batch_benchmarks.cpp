// Speed of morvane-calc's batch per table row, beside the model run it is
// built around: the batch of a generated 1,000,000-row table, read from a
// file and written to /dev/null, and the model alone on the same rows.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "batch_run.h"
#include "output_buffer.h"
#include "wetting_front_model.h"

namespace {

constexpr long kRows = 1'000'000;

// Row i of the generated table: a field id and five input texts that vary
// from row to row (rates 5-19 mm/h, durations 0.5-3.5 h, 1-9 days, 2.5-7.0
// mm/day, root zones 200-995 mm).
morvane::ModelInputs rowInputs(long i)
{
    const char* const durations[] = {"0.5", "1", "1.5", "2", "2.5", "3", "3.5"};
    return {std::to_string(5 + i % 15), durations[i % 7], std::to_string(1 + i % 9),
            std::to_string(2 + i % 5) + "." + std::to_string(i % 10),
            std::to_string(200 + 5 * (i % 160))};
}

// The generated table, removed when the benchmarks end.
struct GeneratedTable {
    std::string path;
    ~GeneratedTable() { std::remove(path.c_str()); }
};

const std::string& tablePath()
{
    static const GeneratedTable table{[] {
        const std::string p = "/tmp/morvane-batch-" + std::to_string(getpid()) + ".csv";
        std::FILE* file = std::fopen(p.c_str(), "w");
        std::fputs("field,rate,duration,days,cwu,root_zone\n", file);
        for (long i = 0; i < kRows; ++i) {
            const morvane::ModelInputs in = rowInputs(i);
            std::fprintf(file, "F%ld,%s,%s,%s,%s,%s\n", i, in.appRate.c_str(), in.duration.c_str(),
                         in.days.c_str(), in.cropWaterUse.c_str(), in.rootZone.c_str());
        }
        std::fclose(file);
        return p;
    }()};
    return table.path;
}

void perRow(benchmark::State& state, long rows)
{
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void batchOfAMillionRows(benchmark::State& state)
{
    const std::string& path = tablePath();
    const int devNull = ::open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        const int input = ::open(path.c_str(), O_RDONLY);
        morvane::calc::OutputBuffer out(devNull);
        const morvane::calc::BatchOutcome outcome =
            morvane::calc::runBatch(input, {',', false, morvane::ModelInputs{}}, out);
        out.flush();
        ::close(input);
        if (outcome.rows != kRows || outcome.failedRows != 0) state.SkipWithError("the batch failed");
    }
    ::close(devNull);
    perRow(state, kRows);
}
BENCHMARK(batchOfAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// The model alone on the table's first 10,000 rows, already split into texts.
void modelRunOverTableRows(benchmark::State& state)
{
    std::vector<morvane::ModelInputs> rows;
    for (long i = 0; i < 10'000; ++i) rows.push_back(rowInputs(i));
    morvane::ModelResults results;
    for (auto _ : state) {
        for (const morvane::ModelInputs& in : rows) {
            results = morvane::ModelResults{};
            morvane::runWettingFrontModel(in, results);
            benchmark::DoNotOptimize(results);
        }
    }
    perRow(state, static_cast<long>(rows.size()));
}
BENCHMARK(modelRunOverTableRows)->Unit(benchmark::kMillisecond);

}  // namespace
