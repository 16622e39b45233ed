#pragma once
// Extended values: the 80-bit format with a 64-bit significand and a 15-bit
// exponent, rounded to nearest (ties to even) after every operation. Every
// intermediate of the number conversions and of the model is one of these;
// plain double arithmetic rounds differently and changes the result texts.
//
// The build picks the arithmetic (CMake option MORVANE_ARITHMETIC): the
// processor's own long double where that is the x87 format, otherwise
// SoftwareExtended, which computes the same bits with integers. The model is
// written once against this header: the operators, comparisons, conversions
// from integers and doubles, static_cast to double, std::int64_t and
// std::uint64_t, std::numeric_limits<Extended>, and the functions below.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#ifdef MORVANE_SOFTWARE_EXTENDED
#include "software_extended.h"
#endif

namespace morvane {

// What binaryExponent reads from the exponent field of the values that have
// no normal exponent.
inline constexpr int kZeroOrSubnormalBinaryExponent = -16383;
inline constexpr int kInfiniteOrNotANumberBinaryExponent = 16384;

#ifdef MORVANE_SOFTWARE_EXTENDED

using Extended = SoftwareExtended;

inline bool isNotANumber(Extended value) { return value.isNaN(); }
inline bool isInfinite(Extended value) { return value.isInfinite(); }
// Neither infinite nor a not-a-number.
inline bool isFinite(Extended value) { return value.exponentField() != SoftwareExtended::kMaxExponentField; }
inline bool hasSignBit(Extended value) { return value.negative(); }
inline Extended magnitude(Extended value) { return value.magnitude(); }
// The nearest integral value, ties to even.
inline Extended roundToIntegral(Extended value) { return value.roundedToIntegral(); }
// The nearest integer, ties to even, of a value in [0, 2^64).
inline std::uint64_t roundToUnsigned(Extended value) { return value.roundedToUnsigned(); }
// The unbiased binary exponent of a normal value; for the others, one of
// the two constants above.
inline int binaryExponent(Extended value) { return value.exponentField() - 16383; }

// significand x 2^exponent, for a significand with its leading bit set and
// a result in the normal range.
constexpr Extended extendedFromParts(std::uint64_t significand, int exponent)
{
    return SoftwareExtended::fromNormal(significand, exponent);
}

#else

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384,
              "long double is not the x87 80-bit extended format here: configure "
              "with -DMORVANE_ARITHMETIC=software");

inline bool isNotANumber(Extended value) { return std::isnan(value); }
// Compared with infinity, which the x87 unit loads from a 4-byte float,
// rather than with the largest finite value as std::isinf and std::isfinite
// do, which it must load from 10 bytes, a slow load on some processors.
// A not-a-number compares false either way.
inline bool isInfinite(Extended value)
{
    return std::fabs(value) == std::numeric_limits<Extended>::infinity();
}
inline bool isFinite(Extended value)
{
    return std::fabs(value) < std::numeric_limits<Extended>::infinity();
}
inline bool hasSignBit(Extended value) { return std::signbit(value); }
inline Extended magnitude(Extended value) { return std::fabs(value); }
// rint rounds in the current mode, which is always to nearest, ties to even.
inline Extended roundToIntegral(Extended value) { return std::rint(value); }
// The nearest integer, ties to even, of a value in [0, 2^64).
inline std::uint64_t roundToUnsigned(Extended value)
{
#if defined(__x86_64__) || defined(__i386__)
    // One integer store (fistp) rounds in the current mode, to nearest,
    // straight from the register: the library's llrint costs a call and two
    // 80-bit memory copies. From 2^63 on every value is a whole number, so
    // subtracting 2^63 first is exact and brings it into the signed range.
    const auto store = [](Extended below2To63) {
        std::int64_t whole;
        asm("fistpll %0" : "=m"(whole) : "t"(below2To63) : "st");
        return static_cast<std::uint64_t>(whole);
    };
    if (value < 0x1p63L) return store(value);
    return store(value - 0x1p63L) + (std::uint64_t{1} << 63);
#else
    // Below 2^63 one integer conversion rounds in the current mode, to
    // nearest; above it every value is already whole.
    if (value < 0x1p63L) return static_cast<std::uint64_t>(std::llrint(value));
    return static_cast<std::uint64_t>(std::rint(value));
#endif
}
inline int binaryExponent(Extended value)
{
    // Read from the exponent field, which is faster than std::ilogb.
    std::uint16_t signAndExponent = 0;
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&value) + 8,
                sizeof signAndExponent);
    return (signAndExponent & 0x7FFF) - 16383;
}

constexpr Extended extendedFromParts(std::uint64_t significand, int exponent)
{
    // Exact: every step multiplies by a power of two within the range.
    Extended value = static_cast<Extended>(significand);
    for (; exponent >= 64; exponent -= 64) value *= 0x1p64L;
    for (; exponent <= -64; exponent += 64) value *= 0x1p-64L;
    for (; exponent > 0; --exponent) value *= 2;
    for (; exponent < 0; ++exponent) value /= 2;
    return value;
}

#endif

}  // namespace morvane
