// The page's entry points into the model. Each call that answers with a JSON
// text returns it in memory from malloc; the page reads it and frees it with
// free().
//
// morvane_set_input(name, text) sets one input of the next run by its page
// name (named_inputs.h): an input text, a soil text "FC:WP:DETECT:UPPER", or
// what a detector showed, "up" or "down". It answers 0 for a name it does
// not know. morvane_run(separator) then runs them; an input not set takes
// its default, as an option left out of morvane-calc (a soil: the built-in
// one; a detector: not checked), and each run starts afresh.
// After setting rate "12", duration "1.75", days "3", cwu "6.5" and rootZone
// "450", morvane_run('.') gives
//   {"report": {"texts": {"AppAmount": "21", ...}, ..., "error": null},
//    "plain": "AppAmount=21\nLtSWD=19.5\n...",
//    "appliedDepth": 21, "rootZone": 450,
//    "sentences": {"light": "Shallow detector (150 mm) responds once ...", "heavy": "..."},
//    "answerSentences": null,
//    "charts": {"light": {"band": {"row": 185, ...}, ...}, "heavy": {...}},
//    "failedInput": null, "refused": null}
// where "report" and "plain" are, byte for byte, what morvane-calc --json and
// morvane-calc print for the same texts, detectors and separator (the report
// holds the irrigation plan, and the detectors' answer once one is checked),
// "sentences" is each soil's plan in words and "charts" every pixel row of
// each soil's chart (chart_json.h). With shallowShowed "up" and deepShowed
// "down" too, "answerSentences" is each soil's answer in the window's words
// (detector_answer_sentences.h):
//   {"light": "Your detectors say the deficit before this irrigation was
//    between 17.3 and 55.8 mm (you estimated 25 mm): the crop used 3.5 to
//    11.2 mm a day.", "heavy": "..."}
// It is null, as the window shows no answer, while no detector the run shows
// is checked (the deep one is shown from a root zone of 300 mm on).
// A failing run (a plan or an answer beyond the double range fails it too)
// keeps what it wrote before the failure and names it in report.error, has
// no sentences and no charts (null; "chartError" holds the failure of the
// charts alone), and names the input box it came from in "failedInput"
// (named_inputs.h, or null); a held value the run did not reach is null. A
// soil that is not valid refuses the run, as morvane-calc refuses it with a
// usage error: "refused" holds morvane-calc's message ("Light soil: the
// wilting point must be below ...") and everything else is null. So does a
// detector's word other than "up" and "down", which only a link can give:
// "refused" is "deepShowed takes up or down, not 'UP'." and "failedInput"
// names the input.
//
// morvane_check_soil checks one slot's fields (soil_fields.h);
// morvane_default_inputs gives every input's default text (a detector has
// none).
//
// morvane_depth_axis() gives the charts' frame and depth axis, the same for
// every run; morvane_depth_row(depth) and morvane_depth_length(extent) are
// the depth axis conversions on their own.

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "chart_json.h"
#include "command_line.h"
#include "detector_answer_sentences.h"
#include "detector_depth.h"
#include "failed_input.h"
#include "failures.h"
#include "floating_point_environment.h"
#include "json_text.h"
#include "model_run.h"
#include "named_inputs.h"
#include "number_format_settings.h"
#include "optional_json.h"
#include "plan_sentences.h"
#include "response_plan.h"
#include "result_report.h"
#include "soil_chart_layout.h"
#include "soil_fields.h"
#include "wetting_front_model.h"

namespace {

using namespace morvane;

// The inputs set for the next run, and what refuses it: a detector's word
// that is neither "up" nor "down", with the input it was given for.
calc::GivenInputs nextRun;
struct Refusal {
    std::string message;
    std::optional<std::string> input;
};
std::optional<Refusal> nextRefusal;

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

// Each soil's sentences: {"light": "...", "heavy": "..."}.
void appendSoilSentences(std::string& out, const std::string& light, const std::string& heavy)
{
    calc::JsonObject sentences(out);
    calc::appendJsonString(sentences.key("light"), light);
    calc::appendJsonString(sentences.key("heavy"), heavy);
}

void appendPlanSentences(std::string& out, const ResponsePlan& plan)
{
    appendSoilSentences(out, planSentences(plan.light, plan.rateText),
                        planSentences(plan.heavy, plan.rateText));
}

// What a detector showed, "up" or "down"; any other word refuses the run.
void setShowed(const web::NamedInput& input, std::string_view word)
{
    nextRun.showed.*input.showed = readFloatPosition(word);
    if (!(nextRun.showed.*input.showed) && !nextRefusal)
        nextRefusal = Refusal{std::string(input.name) + " takes up or down, not '" +
                                  std::string(word) + "'.",
                              input.name};
}

// Whether the page shows the detectors' answer: as the window, only for a
// checked detector the run shows.
bool answerShown(const DetectorsShowed& showed, const ModelResults& results)
{
    return showed.shallow || (showed.deep && *results.rootZone >= kDeepDetectorMinimumRootZone);
}

void appendAnswerSentences(std::string& out, const DetectorAnswer& answer)
{
    appendSoilSentences(out, detectorAnswerSentence(answer.light, answer.estimateText),
                        detectorAnswerSentence(answer.heavy, answer.estimateText));
}

// What morvane-calc prints without --json. It runs without the plan, so a
// plan beyond the double range, which fails the page's run, does not fail it.
std::string plainOutput(const ModelInputs& inputs)
{
    ModelResults results;
    const calc::ModelRun run = calc::runModel(inputs, results, false);
    return calc::plainRunReport(results, run, false);
}

// Both soils' charts, or the failure of the window's chart steps (a root zone
// too large to round for its line), which the page shows as a failure.
std::optional<std::string> appendCharts(std::string& out, const ModelResults& results)
{
    std::string charts = "{\"light\": ";
    try {
        web::appendSoilChartJson(charts, web::soilChartLayout(results, results.light));
        charts += ", \"heavy\": ";
        web::appendSoilChartJson(charts, web::soilChartLayout(results, results.heavy));
    } catch (const Exception& failure) {
        out += "null";
        return withClosingPeriod(failure.message());
    }
    out += charts + "}";
    return std::nullopt;
}

// What the page draws of a run, or which box it names after a failure.
void appendChartsOrFailedInput(std::string& out, const calc::ModelRun& run,
                               const ModelInputs& inputs, const ModelResults& results)
{
    out += ", \"charts\": ";
    std::optional<std::string> chartError;
    if (run.error)
        out += "null";
    else
        chartError = appendCharts(out, results);
    out += ", \"chartError\": ";
    web::appendOptionalString(out, chartError);
    out += ", \"failedInput\": ";
    const std::string name = run.error ? web::failedInputName(inputs, *run.error) : "";
    web::appendOptionalString(out, name.empty() ? std::nullopt : std::optional(name));
}

// The answer to a refused run, with the answer's members all there.
std::string refusedRunJson(const Refusal& refusal)
{
    std::string out = "{\"report\": null, \"plain\": null, \"appliedDepth\": null, \"rootZone\": null, "
                      "\"sentences\": null, \"answerSentences\": null, \"charts\": null, "
                      "\"chartError\": null, \"failedInput\": ";
    web::appendOptionalString(out, refusal.input);
    out += ", \"refused\": ";
    calc::appendJsonString(out, refusal.message);
    return out + "}";
}

// The separator the page asks for, when morvane-calc would accept it too.
void useDecimalSeparator(char separator)
{
    numberFormatSettings().decimalSeparator =
        calc::isUsableDecimalSeparator(separator) ? separator : '.';
}

}  // namespace

extern "C" {

int morvane_set_input(const char* name, const char* text)
{
    const web::NamedInput* input = web::namedInput(name);
    if (input == nullptr) return 0;
    if (input->showed)
        setShowed(*input, text);
    else
        nextRun.*input->given = text;
    return 1;
}

char* morvane_run(char decimalSeparator)
{
    resetFloatingPointEnvironment();
    useDecimalSeparator(decimalSeparator);
    const calc::GivenInputs given = std::exchange(nextRun, {});
    if (const std::optional<Refusal> refusal = std::exchange(nextRefusal, {}))
        return copyForCaller(refusedRunJson(*refusal));
    std::string soilRefusal;
    const std::optional<ModelInputs> inputs = calc::inputsWithDefaults(given, soilRefusal);
    if (!inputs) return copyForCaller(refusedRunJson({soilRefusal, std::nullopt}));
    ModelResults results;
    // With its plan, as morvane-calc --json runs it.
    const calc::ModelRun run = calc::runModel(*inputs, results, true);
    const ResponsePlan* plan = run.plan ? &*run.plan : nullptr;
    std::string report = calc::jsonReport(results, plan, run.error, nullptr,
                                          inputs->showed.anyChecked() ? &run.answer : nullptr);
    if (!report.empty() && report.back() == '\n') report.pop_back();

    std::string out = "{\"report\": " + report + ", \"plain\": ";
    calc::appendJsonString(out, plainOutput(*inputs));
    out += ", \"appliedDepth\": ";
    appendHeldValue(out, results.appliedDepth);
    out += ", \"rootZone\": ";
    appendHeldValue(out, results.rootZone);
    out += ", \"sentences\": ";
    if (plan)
        appendPlanSentences(out, *plan);
    else
        out += "null";
    out += ", \"answerSentences\": ";
    if (run.answer && answerShown(inputs->showed, results))
        appendAnswerSentences(out, *run.answer);
    else
        out += "null";
    appendChartsOrFailedInput(out, run, *inputs, results);
    out += ", \"refused\": null}";
    return copyForCaller(out);
}

// One slot's fields as typed: morvane_check_soil("lightSoil", "0.2", "0.1",
// "0.23", "0.3", "Loam", '.'). Null for a name that is no soil input.
char* morvane_check_soil(const char* soilInput, const char* fieldCapacity, const char* wiltingPoint,
                         const char* detectionContent, const char* upperContent, const char* name,
                         char decimalSeparator)
{
    useDecimalSeparator(decimalSeparator);
    const web::NamedInput* input = web::namedInput(soilInput);
    if (input == nullptr || !input->soil) return copyForCaller("null");
    return copyForCaller(web::soilFieldsJson(
        *input->soil, {fieldCapacity, wiltingPoint, detectionContent, upperContent}, name));
}

// Every input's default text with the separator, as the window shows it:
// {"rate": "10", "duration": "2,5", "days": "5", "cwu": "5", "rootZone": "500",
//  "lightSoil": "0,14:0,07:0,18:0,25", "heavySoil": "0,32:0,22:0,34:0,38"} for ','.
char* morvane_default_inputs(char decimalSeparator)
{
    useDecimalSeparator(decimalSeparator);
    const ModelInputs defaults = localisedDefaultInputs();
    std::string out = "{";
    for (const web::NamedInput& input : web::kNamedInputs) {
        if (input.showed) continue;  // a detector is not checked until the user says
        if (out.size() > 1) out += ", ";
        calc::appendJsonString(out, input.name);
        out += ": ";
        calc::appendJsonString(out, input.soil ? web::soilText(builtInSoil(*input.soil))
                                               : defaults.*input.text);
    }
    out += "}";
    return copyForCaller(out);
}

char* morvane_depth_axis()
{
    std::string out;
    web::appendDepthAxisJson(out, web::depthAxisLayout());
    return copyForCaller(out);
}

int morvane_depth_row(double depth) { return web::depthRow(depth); }

int morvane_depth_length(double extent) { return web::depthLength(extent); }

}  // extern "C"
