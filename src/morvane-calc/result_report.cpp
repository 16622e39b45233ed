#include "result_report.h"

#include "answer_report.h"
#include "json_text.h"
#include "plan_report.h"
#include "result_names.h"

namespace morvane::calc {
namespace {

void appendDepths(std::string& out, const SoilDepths& depths)
{
    const std::pair<const char*, const std::optional<double>*> fields[] = {
        {"initialWaterContent", &depths.initialWaterContent},
        {"upperContentDepth", &depths.upperContentDepth},
        {"maxDetectionDepth", &depths.maxDetectionDepth},
        {"front48h", &depths.front48h},
        {"front24h", &depths.front24h},
    };
    JsonObject object(out);
    for (const auto& [name, value] : fields)
        if (*value) appendJsonNumber(object.key(name), **value);
}

void appendSoil(std::string& out, const SoilRecord& soil)
{
    JsonObject object(out);
    appendJsonNumber(object.key("fieldCapacity"), soil.fieldCapacity);
    appendJsonNumber(object.key("wiltingPoint"), soil.wiltingPoint);
    appendJsonNumber(object.key("detectionContent"), soil.detectionContent);
    appendJsonNumber(object.key("upperContent"), soil.upperContent);
}

bool usesOwnSoil(const ModelResults& results)
{
    return results.light.soil.value_or(kLightSoil) != kLightSoil ||
           results.heavy.soil.value_or(kHeavySoil) != kHeavySoil;
}

void appendSoils(std::string& out, const ModelResults& results)
{
    JsonObject soils(out);
    if (results.light.soil) appendSoil(soils.key("light"), *results.light.soil);
    if (results.heavy.soil) appendSoil(soils.key("heavy"), *results.heavy.soil);
}

}  // namespace

std::string plainReport(const ModelResults& results)
{
    std::string out;
    for (const ResultText& result : kResultTexts)
        if (const auto& text = result.text(results)) out += std::string(result.name) + "=" + *text + "\n";
    for (const StorageWarning& warning : kStorageWarnings)
        if (const auto& shown = warning.shown(results))
            out += std::string(warning.name) + "=" + warningText(*shown) + "\n";
    return out;
}

std::string plainRunReport(const ModelResults& results, const ModelRun& run, bool planLines)
{
    std::string out = plainReport(results);
    if (planLines && run.plan) out += plainPlanReport(*run.plan);
    if (run.answer) out += plainAnswerReport(*run.answer);
    return out;
}

void appendJsonReport(std::string& out, const ModelResults& results, const ResponsePlan* plan,
                      const std::optional<std::string>& error, const NamedFields* fields,
                      const std::optional<DetectorAnswer>* answer)
{
    {
        JsonObject report(out);
        {
            JsonObject texts(report.key("texts"));
            for (const ResultText& result : kResultTexts)
                if (const auto& text = result.text(results)) appendJsonString(texts.key(result.name), *text);
        }
        {
            JsonObject warnings(report.key("warnings"));
            for (const StorageWarning& warning : kStorageWarnings)
                if (const auto& shown = warning.shown(results))
                    warnings.key(warning.name) += *shown ? "true" : "false";
        }
        appendDepths(report.key("light"), results.light);
        appendDepths(report.key("heavy"), results.heavy);
        if (usesOwnSoil(results)) appendSoils(report.key("soils"), results);
        if (plan)
            appendJsonPlan(report.key("plan"), *plan);
        else
            report.key("plan") += "null";
        if (answer && *answer)
            appendJsonAnswer(report.key("showed"), **answer);
        else if (answer)
            report.key("showed") += "null";
        if (error)
            appendJsonString(report.key("error"), *error);
        else
            report.key("error") += "null";
        if (fields) {
            JsonObject named(report.key("fields"));
            for (const auto& [name, text] : *fields) appendJsonString(named.key(name), text);
        }
    }
    out += '\n';
}

std::string jsonReport(const ModelResults& results, const ResponsePlan* plan,
                       const std::optional<std::string>& error, const NamedFields* fields,
                       const std::optional<DetectorAnswer>* answer)
{
    std::string out;
    appendJsonReport(out, results, plan, error, fields, answer);
    return out;
}

}  // namespace morvane::calc
