// The page's entry points into the model. Each call answers with a JSON text
// in memory from malloc; the page reads it and frees it with free().
//
// morvane_run("12", "1.75", "3", "6.5", "450", '.') gives
//   {"report": {"texts": {"AppAmount": "21", ...}, ..., "error": null},
//    "plain": "AppAmount=21\nLtSWD=19.5\n...",
//    "appliedDepth": 21, "rootZone": 450,
//    "plan": {"light": "Shallow detector (150 mm) responds once ...", "heavy": "..."}}
// where "report" and "plain" are, byte for byte, what morvane-calc --json and
// morvane-calc print for the same texts and separator, and "plan" holds each
// soil's response depths and run times in words. A failing run keeps what it
// wrote before the failure and names it in report.error, and its plan is
// null; a held value the run did not reach is null. A plan that cannot be
// worked out (a run time beyond the double range) is {"error": "..."}.

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "failures.h"
#include "floating_point_environment.h"
#include "command_line.h"
#include "json_text.h"
#include "number_format_settings.h"
#include "plan_sentences.h"
#include "response_plan.h"
#include "result_report.h"
#include "wetting_front_model.h"

namespace {

using namespace morvane;

char* copyForCaller(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void appendHeldValue(std::string& out, const std::optional<double>& value)
{
    if (value)
        calc::appendJsonNumber(out, *value);
    else
        out += "null";
}

void appendPlan(std::string& out, const ModelResults& results)
{
    std::string light, heavy;
    try {
        const ResponsePlan plan = responsePlan(results);
        light = planSentences(plan.light, plan.rateText);
        heavy = planSentences(plan.heavy, plan.rateText);
    } catch (const Exception& failure) {
        out += "{\"error\": ";
        calc::appendJsonString(out, withClosingPeriod(failure.message()));
        out += "}";
        return;
    }
    out += "{\"light\": ";
    calc::appendJsonString(out, light);
    out += ", \"heavy\": ";
    calc::appendJsonString(out, heavy);
    out += "}";
}

// The separator the page asks for, when morvane-calc would accept it too.
void useDecimalSeparator(char separator)
{
    numberFormatSettings().decimalSeparator =
        calc::isUsableDecimalSeparator(separator) ? separator : '.';
}

}  // namespace

extern "C" {

char* morvane_run(const char* rate, const char* duration, const char* days,
                  const char* cropWaterUse, const char* rootZone, char decimalSeparator)
{
    resetFloatingPointEnvironment();
    useDecimalSeparator(decimalSeparator);
    const ModelInputs inputs{rate, duration, days, cropWaterUse, rootZone};
    ModelResults results;
    std::optional<std::string> error;
    try {
        runWettingFrontModel(inputs, results);
    } catch (const Exception& failure) {
        error = withClosingPeriod(failure.message());
    }
    std::string report = calc::jsonReport(results, error);
    if (!report.empty() && report.back() == '\n') report.pop_back();

    std::string out = "{\"report\": " + report + ", \"plain\": ";
    calc::appendJsonString(out, calc::plainReport(results));
    out += ", \"appliedDepth\": ";
    appendHeldValue(out, results.appliedDepth);
    out += ", \"rootZone\": ";
    appendHeldValue(out, results.rootZone);
    out += ", \"plan\": ";
    if (error)
        out += "null";
    else
        appendPlan(out, results);
    out += "}";
    return copyForCaller(out);
}

// The five default input texts with the separator, as the window shows them:
// {"rate": "10", "duration": "2,5", "days": "5", "cwu": "5", "rootZone": "500"}
// for ','.
char* morvane_default_inputs(char decimalSeparator)
{
    useDecimalSeparator(decimalSeparator);
    const ModelInputs defaults = localisedDefaultInputs();
    std::string out = "{";
    const std::pair<const char*, const std::string*> fields[] = {
        {"rate", &defaults.appRate},       {"duration", &defaults.duration},
        {"days", &defaults.days},          {"cwu", &defaults.cropWaterUse},
        {"rootZone", &defaults.rootZone},
    };
    for (const auto& [name, text] : fields) {
        if (out.size() > 1) out += ", ";
        calc::appendJsonString(out, name);
        out += ": ";
        calc::appendJsonString(out, *text);
    }
    out += "}";
    return copyForCaller(out);
}

}  // extern "C"
