#pragma once
// The command line of morvane-calc:
//   morvane-calc [--rate T] [--duration T] [--days T] [--cwu T] [--root-zone T]
//                [--light-soil S] [--heavy-soil S] [--decimal-separator C] [--json]
//                [--plan] [--shallow-showed W] [--deep-showed W]
//                [--batch [FILE] [--delimiter C] [--input-encoding E]]
//                [--help] [--version]
// Each T is an input text exactly as typed into the window (blanks included);
// an omitted one keeps the window's default text, written with the active
// decimal separator. "--name=T" works as well. The argument after an option
// is its value unless it starts with "--" (an option): "--days -11" gives
// -11, "--rate --days 5" is "--rate has no value"; "--rate=--x" gives "--x".
// With --batch, the table's FILE may also stand anywhere on its own:
// "--batch --json FILE". Each S is a soil of the user's own,
// "FC:WP:DETECT:UPPER" (soil_text.h). Each W is what a detector's float
// showed, "up" or "down" (detector_answer.h).

#include <optional>
#include <string>
#include <vector>

#include "text_encoding.h"
#include "wetting_front_model.h"

namespace morvane::calc {

// The input texts given on the command line; an empty one takes its default
// (for a soil, the built-in one).
struct GivenInputs {
    std::optional<std::string> appRate, duration, days, cropWaterUse, rootZone;
    std::optional<std::string> lightSoil, heavySoil;
    DetectorsShowed showed;
};

struct CalcOptions {
    GivenInputs inputs;
    std::optional<char> decimalSeparator;  // empty: the locale's
    bool json = false;
    bool plan = false;                     // the irrigation plan in plain and table output
    bool help = false;
    bool version = false;
    bool batch = false;
    std::string batchFile = "-";           // "-": standard input
    std::optional<char> delimiter;         // empty: by the decimal separator
    std::optional<InputEncoding> inputEncoding;  // empty: UTF-8
};

struct ParsedCommandLine {
    std::optional<CalcOptions> options;  // empty on a usage error
    std::string error;                   // what was wrong, for a usage error
};

// Checks the arguments' form and the decimal separator; the delimiter is
// checked against the decimal separator in force by fieldDelimiter().
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The inputs of a run: the given texts, the localised defaults for the rest,
// and the given soils read with the decimal separator in force (call after
// the number format settings are). Empty when a given soil is not valid,
// with `error` naming the soil and the rule it breaks:
//   --light-soil 0.14:0.15:0.18:0.25 -> "Light soil: the wilting point must be
//   below the field capacity (0.15 is not below 0.14)."
std::optional<ModelInputs> inputsWithDefaults(const GivenInputs& given, std::string& error);

// Whether `c` can serve as a decimal separator: one printable ASCII character
// that is not a digit, a sign, an exponent letter (e, E), "=" (which ends the
// name in plain output's Name=text lines) or a blank.
bool isUsableDecimalSeparator(char c);

// The batch field delimiter: the option's, else ";" when the decimal separator
// is "," and "," otherwise. Empty, with `error` set, when the option's
// delimiter could be part of a number (a digit, a sign, e, E, ".", a blank or
// the decimal separator) or of a field's quoting (a quote, CR or LF).
std::optional<char> fieldDelimiter(const CalcOptions& options, char decimalSeparator,
                                   std::string& error);

extern const char* const kUsageLine;
extern const char* const kHelpText;

}  // namespace morvane::calc
