#pragma once
// A soil of the user's own: its four water contents read from texts, the
// rule a soil must keep, and its optional name. The one place that says what
// a valid soil is; morvane-calc, the window and the web page all ask here.
//
// Each value is read with the parse rule (so with the active decimal
// separator) and held as a double, exactly as the built-in constants are:
// "0.14:0.07:0.18:0.25" reads as kLightSoil, bit for bit.
//
// A soil is valid only when 0 < wilting point < field capacity < detection
// water content < upper water content < 1. A problem is told in words that
// name the value and the rule; soilProblemMessage() adds the slot:
//   "0.2:0.15:0.23:0.3"  ->  soil {0.2, 0.15, 0.23, 0.3}
//   "0.14:0.15:0.18:0.25" -> "Light soil: the wilting point must be below the
//                             field capacity (0.15 is not below 0.14)."
//   "0.2:0.1:0.23"        -> "Light soil: a soil is four values separated by
//                             colons, FC:WP:DETECT:UPPER ('0.2:0.1:0.23' has 3)."
//   "0.2:x:0.23:0.3"      -> "Heavy soil: the wilting point 'x' is not a number."
//   "0.2::0.23:0.3"       -> "Light soil: the wilting point is missing."
//   "1e400:0.1:0.23:0.3"  -> "Light soil: the field capacity '1e400' is out of range."
// Numbers in the messages are the held values in the general format, with
// the active decimal separator ("0,15 is not below 0,14" with the comma).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wetting_front_model.h"

namespace morvane {

enum class SoilSlot { light, heavy };

// The four values in the order a soil text lists them.
enum class SoilValue { fieldCapacity, wiltingPoint, detectionContent, upperContent };
inline constexpr std::size_t kSoilValueCount = 4;
inline constexpr std::array<SoilValue, kSoilValueCount> kSoilValues{
    SoilValue::fieldCapacity, SoilValue::wiltingPoint, SoilValue::detectionContent,
    SoilValue::upperContent};

// The name may be left empty; it is at most this many characters long.
inline constexpr std::size_t kSoilNameMaximumLength = 24;

// "Light soil", "Heavy soil".
const char* soilSlotName(SoilSlot slot);
// "field capacity", "wilting point", "detection water content", "upper water content".
const char* soilValueName(SoilValue value);
// The built-in soil of a slot.
const SoilRecord& builtInSoil(SoilSlot slot);
double& soilValue(SoilRecord& soil, SoilValue value);
double soilValue(const SoilRecord& soil, SoilValue value);

struct SoilProblem {
    std::optional<SoilValue> value;  // the value at fault; empty when the text's form is
    std::string detail;              // "the wilting point is missing"
};

// "Light soil: " + detail + "."
std::string soilProblemMessage(SoilSlot slot, const SoilProblem& problem);

struct SoilReading {
    std::optional<SoilRecord> soil;     // when the texts make a valid soil
    std::vector<SoilProblem> problems;  // otherwise why not; never empty then
};

// Reads the four value texts. The problems are each text that is missing or
// is not a number, in text order; when all four are numbers, the first rule
// they break, in the order of the rule above.
SoilReading readSoilValues(const std::array<std::string_view, kSoilValueCount>& texts);

// Reads "FC:WP:DETECT:UPPER". A text with another number of values is one
// problem; so is any text while the decimal separator is the colon.
SoilReading readSoilText(std::string_view text);

// The first rule the held values break, or empty when the soil is valid.
std::optional<SoilProblem> brokenSoilRule(const SoilRecord& soil);

// Why `name` (UTF-8) cannot name a soil: more than kSoilNameMaximumLength
// characters, a control character (a tab, a line break), or bytes that are
// not UTF-8. Empty when it can.
std::optional<std::string> soilNameProblem(std::string_view name);

}  // namespace morvane
