#include "soil_text.h"

#include "checked_arithmetic.h"
#include "failures.h"
#include "format_number.h"
#include "number_format_settings.h"
#include "parse_number.h"
#include "utf8_text.h"

namespace morvane {
namespace {

constexpr char kValueSeparator = ':';

// In the order of SoilValue.
constexpr double SoilRecord::*kValueFields[kSoilValueCount] = {
    &SoilRecord::fieldCapacity, &SoilRecord::wiltingPoint, &SoilRecord::detectionContent,
    &SoilRecord::upperContent};

std::string the(SoilValue value) { return std::string("the ") + soilValueName(value); }

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// One value's text held as a double, or the problem with it.
std::optional<double> readValue(std::string_view text, SoilValue value,
                                std::vector<SoilProblem>& problems)
{
    if (isBlank(text)) {
        problems.push_back({value, the(value) + " is missing"});
        return std::nullopt;
    }
    try {
        return storeAsDouble(parseNumber(text));
    } catch (const EConvertError&) {
        problems.push_back({value, the(value) + " " + quoted(text) + " is not a number"});
    } catch (const EMathError&) {
        problems.push_back({value, the(value) + " " + quoted(text) + " is out of range"});
    }
    return std::nullopt;
}

std::string held(double value) { return formatGeneral(value); }

// One link of the rule: `value` must lie above (or below) `bound`.
struct RuleLink {
    SoilValue value;
    bool above;                       // the value must be above the bound, else below it
    std::optional<SoilValue> bound;   // another value of the soil, or else:
    double fixedBound;                // 0 or 1
};

// 0 < WP < FC < DETECT < UPPER < 1, each link blaming the value it names.
constexpr RuleLink kRule[] = {
    {SoilValue::wiltingPoint, true, std::nullopt, 0},
    {SoilValue::wiltingPoint, false, SoilValue::fieldCapacity, 0},
    {SoilValue::detectionContent, true, SoilValue::fieldCapacity, 0},
    {SoilValue::upperContent, true, SoilValue::detectionContent, 0},
    {SoilValue::upperContent, false, std::nullopt, 1},
};

}  // namespace

const char* soilSlotName(SoilSlot slot) { return slot == SoilSlot::light ? "Light soil" : "Heavy soil"; }

const char* soilValueName(SoilValue value)
{
    switch (value) {
    case SoilValue::fieldCapacity: return "field capacity";
    case SoilValue::wiltingPoint: return "wilting point";
    case SoilValue::detectionContent: return "detection water content";
    case SoilValue::upperContent: return "upper water content";
    }
    return "";
}

const SoilRecord& builtInSoil(SoilSlot slot) { return slot == SoilSlot::light ? kLightSoil : kHeavySoil; }

double& soilValue(SoilRecord& soil, SoilValue value)
{
    return soil.*kValueFields[static_cast<std::size_t>(value)];
}

double soilValue(const SoilRecord& soil, SoilValue value)
{
    return soil.*kValueFields[static_cast<std::size_t>(value)];
}

std::string soilProblemMessage(SoilSlot slot, const SoilProblem& problem)
{
    return std::string(soilSlotName(slot)) + ": " + problem.detail + ".";
}

std::optional<SoilProblem> brokenSoilRule(const SoilRecord& soil)
{
    for (const RuleLink& link : kRule) {
        const double value = soilValue(soil, link.value);
        const double bound = link.bound ? soilValue(soil, *link.bound) : link.fixedBound;
        if (link.above ? value > bound : value < bound) continue;
        const std::string relation = link.above ? "above" : "below";
        const std::string boundText = link.bound ? the(*link.bound) : held(bound);
        return SoilProblem{link.value, the(link.value) + " must be " + relation + " " + boundText +
                                           " (" + held(value) + " is not " + relation + " " +
                                           held(bound) + ")"};
    }
    return std::nullopt;
}

SoilReading readSoilValues(const std::array<std::string_view, kSoilValueCount>& texts)
{
    SoilReading reading;
    SoilRecord soil{};
    for (const SoilValue value : kSoilValues)
        if (const auto number = readValue(texts[static_cast<std::size_t>(value)], value, reading.problems))
            soilValue(soil, value) = *number;
    if (!reading.problems.empty()) return reading;
    if (auto broken = brokenSoilRule(soil))
        reading.problems.push_back(std::move(*broken));
    else
        reading.soil = soil;
    return reading;
}

SoilReading readSoilText(std::string_view text)
{
    if (numberFormatSettings().decimalSeparator == kValueSeparator)
        return {std::nullopt,
                {{std::nullopt, "the values of a soil are separated by colons, so the decimal "
                                "separator cannot be a colon"}}};
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(kValueSeparator, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (fields.size() != kSoilValueCount)
        return {std::nullopt,
                {{std::nullopt, "a soil is four values separated by colons, FC:WP:DETECT:UPPER (" +
                                    quoted(text) + " has " + std::to_string(fields.size()) + ")"}}};
    return readSoilValues({fields[0], fields[1], fields[2], fields[3]});
}

std::optional<std::string> soilNameProblem(std::string_view name)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++characters) {
        const std::size_t length = utf8SequenceLength(name, i);
        if (length == 0) return "the name is not UTF-8 text";
        const char32_t c = utf8CodePoint(name, i, length);
        // C0 and C1 controls, DEL, and the line and paragraph separators.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            return "the name cannot hold a control character such as a tab or a line break";
        i += length;
    }
    if (characters > kSoilNameMaximumLength)
        return "the name is longer than " + std::to_string(kSoilNameMaximumLength) +
               " characters (it has " + std::to_string(characters) + ")";
    return std::nullopt;
}

}  // namespace morvane
