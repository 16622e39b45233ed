#include "plan_report.h"

#include "json_text.h"
#include "number_format_settings.h"

namespace morvane::calc {
namespace {

using Value = std::optional<double>;

// The eight values of one soil into values[first...].
void putSoilValues(const SoilPlan& soil, std::array<Value, 16>& values, std::size_t first)
{
    const DetectorResponse* deep = soil.deep ? &*soil.deep : nullptr;
    const Value soilValues[8] = {
        soil.shallow.detectorDepth,
        soil.shallow.appliedDepth,
        soil.shallow.hours,
        deep ? Value(deep->detectorDepth) : std::nullopt,
        deep ? Value(deep->appliedDepth) : std::nullopt,
        deep ? deep->hours : std::nullopt,
        soil.rootZone.appliedDepth,
        soil.rootZone.hours,
    };
    for (std::size_t i = 0; i < std::size(soilValues); ++i) values[first + i] = soilValues[i];
}

void appendJsonHours(std::string& out, const std::optional<double>& hours)
{
    if (hours)
        appendJsonNumber(out, *hours);
    else
        out += "null";
}

void appendJsonDetector(std::string& out, const DetectorResponse& response)
{
    JsonObject object(out);
    appendJsonNumber(object.key("depth"), response.detectorDepth);
    appendJsonNumber(object.key("appliedDepth"), response.appliedDepth);
    appendJsonHours(object.key("hours"), response.hours);
}

void appendJsonSoil(std::string& out, const SoilPlan& soil)
{
    JsonObject object(out);
    appendJsonDetector(object.key("shallow"), soil.shallow);
    if (soil.deep)
        appendJsonDetector(object.key("deep"), *soil.deep);
    else
        object.key("deep") += "null";
    JsonObject rootZone(object.key("rootZone"));
    appendJsonNumber(rootZone.key("appliedDepth"), soil.rootZone.appliedDepth);
    appendJsonHours(rootZone.key("hours"), soil.rootZone.hours);
}

}  // namespace

std::array<Value, 16> planValues(const ResponsePlan& plan)
{
    std::array<Value, 16> values;
    putSoilValues(plan.light, values, 0);
    putSoilValues(plan.heavy, values, 8);
    return values;
}

void appendPlanNumber(std::string& out, double value)
{
    const std::size_t start = out.size();
    appendJsonNumber(out, value);
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '.') out[i] = numberFormatSettings().decimalSeparator;
}

std::string plainPlanReport(const ResponsePlan& plan)
{
    const std::array<Value, 16> values = planValues(plan);
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += kPlanValueNames[i];
        out += '=';
        if (values[i]) appendPlanNumber(out, *values[i]);
        out += '\n';
    }
    return out;
}

void appendJsonPlan(std::string& out, const ResponsePlan& plan)
{
    JsonObject object(out);
    appendJsonSoil(object.key("light"), plan.light);
    appendJsonSoil(object.key("heavy"), plan.heavy);
}

}  // namespace morvane::calc
