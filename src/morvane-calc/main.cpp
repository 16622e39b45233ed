// morvane-calc: the wetting front model on the command line, for scripting
// scenarios and checking results. See --help.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "failures.h"
#include "floating_point_environment.h"
#include "number_format_settings.h"
#include "result_report.h"

namespace {

constexpr int kExitRunFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv)
{
    using namespace morvane;
    const calc::ParsedCommandLine parsed =
        calc::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "morvane-calc: " << parsed.error << "\n" << calc::kUsageLine << "\n";
        return kExitUsage;
    }
    const calc::CalcOptions& options = *parsed.options;
    if (options.help) {
        std::cout << calc::kUsageLine << "\n\n" << calc::kHelpText;
        return 0;
    }

    resetFloatingPointEnvironment();
    loadNumberFormatSettings();
    if (options.decimalSeparator)
        numberFormatSettings().decimalSeparator = *options.decimalSeparator;

    ModelResults results;
    std::optional<std::string> error;
    try {
        runWettingFrontModel(options.inputs, results);
    } catch (const Exception& failure) {
        error = withClosingPeriod(failure.message());
    }

    std::cout << (options.json ? calc::jsonReport(results, error) : calc::plainReport(results));
    if (error) {
        std::cerr << *error << "\n";
        return kExitRunFailed;
    }
    return 0;
}
