#pragma once
// The decimal digit conversion behind every format: an extended value as
// 0.d1d2d3... x 10^exponent with at most 18 significant digits.
//
// The value is scaled to an 18-digit integer (rounded ties to even) and then
// rounded half away from zero at `decimals` places after the decimal point,
// but to no more than `precision` significant digits. Trailing zeros are
// dropped. Examples (precision, decimals):
//   22.5   (18, 0) -> digits "23", exponent 2
//   0.4999 (18, 0) -> no digits, exponent 0 (zero)
//   0.05   (18, 1) -> digits "1", exponent 0     (0.1)
//   10/3   (15, 9999) -> digits "333333333333333", exponent 1
//   -0.3   (18, 0) -> zero with negative clear
// Zero and subnormal values give zero; infinity gives exponent
// kInfinityExponent, a not-a-number kNotANumberExponent.

#include <cstdint>
#include <string_view>

#include "extended.h"

namespace morvane {

inline constexpr int kMaxDecimalDigits = 18;
inline constexpr std::int16_t kInfinityExponent = 32767;
inline constexpr std::int16_t kNotANumberExponent = -32768;

struct DecimalDigits {
    std::int16_t exponent = 0;  // digits before the decimal point
    bool negative = false;      // clear for zero and for a not-a-number
    int digitCount = 0;         // 0 for zero
    char digits[kMaxDecimalDigits] = {};

    std::string_view text() const { return {digits, static_cast<std::size_t>(digitCount)}; }
    bool isZero() const { return digitCount == 0 && exponent != kInfinityExponent && exponent != kNotANumberExponent; }
};

// precision 2..18; decimals 0 or more (9999 for "as many as the precision allows").
DecimalDigits toDecimalDigits(Extended value, int precision, int decimals);

}  // namespace morvane
