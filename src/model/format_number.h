#pragma once
// The formats: an extended value to the text of a result label. They write
// the decimal separator of numberFormatSettings() and never a thousands
// separator, so the parse rule reads every text they write.
//
// General format, at most 15 significant digits, no trailing zeros; scientific
// form when the value has more than 15 digits before the point or is below 0.001:
//   25 -> "25"   10/3 -> "3.33333333333333"   1e15 -> "1E15"   0.0001 -> "0.0001"
//   0.00001 -> "1E-5"   1.5e20 -> "1.5E20"   -0 -> "0"
// Fixed format with D decimals (D is limited to 18), rounding half away from
// zero; 10^18 and beyond are written as the general format with 18 digits:
//   (22.5, 0) -> "23"   (-0.3, 0) -> "0"   (-2.5, 0) -> "-3"   (1e20, 0) -> "1E20"
//   (0.05, 1) -> "0.1"  (9.96, 1) -> "10.0"  (-0.04, 1) -> "0.0"  (35, 1) -> "35.0"
// Percent format: the fixed format with 0 decimals and "%":
//   28.57 -> "29%"   -42.86 -> "-43%"   -0.2 -> "0%"
// Infinity and not-a-number are written "INF", "-INF" and "NAN".

#include <string>
#include <string_view>

#include "extended.h"

namespace morvane {

std::string formatGeneral(Extended value);
std::string formatFixed(Extended value, int decimals);
std::string formatPercent(Extended value);

// A format string applied to one value: text is copied, "%%" writes "%",
// "%.<digits>f" the fixed format with that many decimals ("%.f" means 0; no
// "." or more than 18 means 2), "%s" the character argument.
//   formatNumber("%.1f", 35) -> "35.0"   formatNumber("%.f%s", 28.57, '%') -> "29%"
// A directive the arguments cannot satisfy throws EConvertError.
std::string formatNumber(std::string_view format, Extended value);
std::string formatNumber(std::string_view format, Extended value, char character);

}  // namespace morvane
