#include "soil_fields.h"

#include <cctype>
#include <optional>

#include "format_number.h"
#include "json_text.h"
#include "optional_json.h"

namespace morvane::web {

namespace {

using calc::appendJsonString;
using calc::JsonObject;

// In the order of SoilValue.
constexpr const char* kValueKeys[kSoilValueCount] = {"fieldCapacity", "wiltingPoint",
                                                     "detectionContent", "upperContent"};

const char* key(SoilValue value) { return kValueKeys[static_cast<std::size_t>(value)]; }

// "the wilting point is missing" reads as a sentence of its own beside its field.
std::string sentence(std::string detail)
{
    if (!detail.empty())
        detail[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(detail[0])));
    return detail + ".";
}

std::string_view withoutBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "Own soil in the light slot: field capacity 0.2, ... (m³/m³)", the values
// as typed.
std::string description(SoilSlot slot, const SoilFieldTexts& values)
{
    std::string out = slot == SoilSlot::light ? "Own soil in the light slot: " : "Own soil in the heavy slot: ";
    for (const SoilValue value : kSoilValues) {
        if (value != SoilValue::fieldCapacity) out += ", ";
        out += std::string(soilValueName(value)) + " " +
               std::string(withoutBlanks(values[static_cast<std::size_t>(value)]));
    }
    return out + " (m\u00b3/m\u00b3)";
}

}  // namespace

std::string soilFieldsJson(SoilSlot slot, const SoilFieldTexts& values, std::string_view name)
{
    const SoilReading reading = readSoilValues(values);
    const std::optional<std::string> nameProblem = soilNameProblem(name);
    std::optional<std::string> message;
    if (nameProblem)
        message = soilProblemMessage(slot, {std::nullopt, *nameProblem});
    else if (!reading.problems.empty())
        message = soilProblemMessage(slot, reading.problems.front());
    const bool builtIn = !message && name.empty() && *reading.soil == builtInSoil(slot);

    std::string out;
    {
        JsonObject answer(out);
        appendJsonString(answer.key("name"), name);
        answer.key("builtIn") += builtIn ? "true" : "false";
        {
            JsonObject problems(answer.key("problems"));
            if (nameProblem) appendJsonString(problems.key("name"), sentence(*nameProblem));
            for (const SoilProblem& problem : reading.problems)
                if (problem.value) appendJsonString(problems.key(key(*problem.value)), sentence(problem.detail));
        }
        appendOptionalString(answer.key("message"), message);
        appendOptionalString(answer.key("description"),
                       message || builtIn ? std::nullopt : std::optional(description(slot, values)));
    }
    return out;
}

std::string soilText(const SoilRecord& soil)
{
    std::string text;
    for (const SoilValue value : kSoilValues) {
        if (!text.empty()) text += ':';
        text += formatGeneral(soilValue(soil, value));
    }
    return text;
}

}  // namespace morvane::web
