// morvane-calc: the wetting front model on the command line, for scripting
// scenarios, checking results and running whole tables. See --help.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "batch_run.h"
#include "command_line.h"
#include "failures.h"
#include "floating_point_environment.h"
#include "model_run.h"
#include "number_format_settings.h"
#include "output_buffer.h"
#include "result_report.h"

namespace {

using namespace morvane;

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int usageError(const std::string& error)
{
    std::cerr << "morvane-calc: " << error << "\n" << calc::kUsageLine << "\n";
    return kExitUsage;
}

// Writes out what is held; a failed write makes the run a failure.
int finish(calc::OutputBuffer& out, int status)
{
    out.flush();
    if (out.failed()) {
        std::cerr << "morvane-calc: cannot write the output: " << out.error() << "\n";
        return kExitFailed;
    }
    return status;
}

int runOnce(const calc::CalcOptions& options)
{
    std::string error;
    const std::optional<ModelInputs> inputs = calc::inputsWithDefaults(options.inputs, error);
    if (!inputs) return usageError(error);
    ModelResults results;
    const calc::ModelRun run = calc::runModel(*inputs, results, options.json || options.plan);
    const ResponsePlan* plan = run.plan ? &*run.plan : nullptr;
    const bool answerAsked = inputs->showed.anyChecked();
    calc::OutputBuffer out;
    if (options.json) {
        out.append(calc::jsonReport(results, plan, run.error, nullptr,
                                    answerAsked ? &run.answer : nullptr));
    } else {
        out.append(calc::plainRunReport(results, run, options.plan));
    }
    const int status = finish(out, run.error ? kExitFailed : 0);
    if (run.error) std::cerr << *run.error << "\n";
    return status;
}

int runBatch(const calc::CalcOptions& options)
{
    std::string error;
    const std::optional<char> delimiter =
        calc::fieldDelimiter(options, numberFormatSettings().decimalSeparator, error);
    if (!delimiter) return usageError(error);
    const std::optional<ModelInputs> defaults = calc::inputsWithDefaults(options.inputs, error);
    if (!defaults) return usageError(error);

    int input = STDIN_FILENO;
    if (options.batchFile != "-") {
        input = ::open(options.batchFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (input < 0) {
            std::cerr << "morvane-calc: cannot open '" << options.batchFile
                      << "': " << std::strerror(errno) << "\n";
            return kExitFailed;
        }
    }
    const calc::BatchSettings settings{*delimiter, options.json, *defaults, options.plan,
                                       options.inputEncoding.value_or(calc::InputEncoding::kUtf8)};
    calc::OutputBuffer out;
    const calc::BatchOutcome outcome = calc::runBatch(input, settings, out);
    if (input != STDIN_FILENO) ::close(input);
    if (!outcome.usageError.empty()) return usageError(outcome.usageError);

    // Output that could not be written ends the batch: what the rows did no longer matters.
    if (finish(out, 0) != 0) return kExitFailed;
    int status = 0;
    if (!outcome.readError.empty()) {
        std::cerr << "morvane-calc: cannot read the table: " << outcome.readError << "\n";
        status = kExitFailed;
    }
    if (outcome.firstLineNotUtf8 > 0)
        std::cerr << "morvane-calc: line " << outcome.firstLineNotUtf8
                  << " is not UTF-8, and JSON shows its stray bytes as U+FFFD; for a "
                     "Latin-1 or Windows-1252 table, use --input-encoding latin1\n";
    if (outcome.failedRows > 0) {
        std::cerr << "morvane-calc: " << outcome.failedRows << " of " << outcome.rows
                  << (outcome.rows == 1 ? " row" : " rows") << " failed\n";
        status = kExitFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    const calc::ParsedCommandLine parsed =
        calc::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) return usageError(parsed.error);
    const calc::CalcOptions& options = *parsed.options;
    if (options.help || options.version) {
        calc::OutputBuffer out;
        out.append(options.help ? std::string(calc::kUsageLine) + "\n\n" + calc::kHelpText
                                : "morvane-calc " MORVANE_VERSION "\n");
        return finish(out, 0);
    }

    resetFloatingPointEnvironment();
    loadNumberFormatSettings();
    if (options.decimalSeparator)
        numberFormatSettings().decimalSeparator = *options.decimalSeparator;

    return options.batch ? runBatch(options) : runOnce(options);
}
