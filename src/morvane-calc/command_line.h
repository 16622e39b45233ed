#pragma once
// The command line of morvane-calc:
//   morvane-calc [--rate T] [--duration T] [--days T] [--cwu T] [--root-zone T]
//                [--decimal-separator C] [--json] [--help]
// Each T is an input text exactly as typed into the window (blanks included);
// an omitted one keeps the window's default text. "--name=T" works as well.

#include <optional>
#include <string>
#include <vector>

#include "wetting_front_model.h"

namespace morvane::calc {

struct CalcOptions {
    ModelInputs inputs;
    std::optional<char> decimalSeparator;  // empty: the locale's
    bool json = false;
    bool help = false;
};

struct ParsedCommandLine {
    std::optional<CalcOptions> options;  // empty on a usage error
    std::string error;                   // what was wrong, for a usage error
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsageLine;
extern const char* const kHelpText;

}  // namespace morvane::calc
