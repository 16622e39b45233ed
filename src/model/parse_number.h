#pragma once
// The parse rule: the text of an input box to an extended value.
//
// Accepted: spaces (only code 32) before and after; one "+" or "-"; digits
// with at most one decimal separator (the one of numberFormatSettings()),
// at least one digit or the separator; then optionally "E" or "e", a sign and
// exponent digits. The digits are accumulated as acc * 10 + digit in extended
// precision and the total is scaled once by scaleByPowerOfTen, so the result
// is not always the extended value nearest to the text.
//   "  12  " -> 12     "+5" -> 5      "5." -> 5     ".5" -> 0.5    "." -> 0
//   "1e3" -> 1000      "1E+3" -> 1000 "1e" -> 1     "1e600" -> 1e600
//   "1e-4999" -> 0     "-0" -> -0
// Invalid, throwing EConvertError("'<text>' is not a valid floating point value"):
//   "" "-" "--5" "e5" "1,000" "\t12" "INF" "NAN" "0x10"
//   "1e4999" (beyond the extended range)  "1e5000" (exponent read stops at 500)
//   with separator ",": "2.5" is invalid and "2,5" -> 2.5
#include <string_view>

#include "extended.h"

namespace morvane {

Extended parseNumber(std::string_view text);

}  // namespace morvane
