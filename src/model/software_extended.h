#pragma once
// SoftwareExtended: the 80-bit extended format computed with integers, for
// processors without it. Its values are bit for bit those of the x87 format:
// a sign, a 15-bit exponent (bias 16383) and a 64-bit significand with an
// explicit leading bit; subnormals below 2^-16382, infinities and
// not-a-numbers as usual. Every operation rounds its exact result once, to
// nearest with ties to even, as the x87 unit does at 64-bit precision:
//   SoftwareExtended(1) / 3            -> 0xAAAAAAAAAAAAAAABp-65
//   SoftwareExtended(0x1p63) + 0.5     -> 2^63 (a tie, kept even)
//   SoftwareExtended(0x1p63) + 1.5     -> 2^63 + 2
//   max * 2 -> infinity,   1 / 0 -> infinity,   0 / 0 -> not-a-number
//   2^-16382 / 4 -> the subnormal 2^-16384 (no failure: underflow is masked)
// Like the hardware type it never throws: an operation that faults returns
// an infinity or a not-a-number, and checked_arithmetic.h turns those into
// the failures. Comparisons with a not-a-number are false (except !=).

#include <bit>
#include <cfloat>
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>

namespace morvane {

// Whether long double can hold every extended value exactly (the x87 format
// itself, or the 128-bit format of aarch64 Linux); the conversions to and
// from long double exist only then.
#if LDBL_MANT_DIG >= 64 && LDBL_MAX_EXP >= 16384 && LDBL_MIN_EXP <= -16381
#define MORVANE_LONG_DOUBLE_HOLDS_EXTENDED 1
#endif

class SoftwareExtended {
public:
    static constexpr int kExponentBias = 16383;
    static constexpr std::uint16_t kMaxExponentField = 0x7FFF;
    static constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

    constexpr SoftwareExtended() = default;  // +0
    template <typename Integer>
        requires std::integral<Integer> && (!std::same_as<Integer, bool>)
    constexpr SoftwareExtended(Integer value)  // NOLINT: as implicit as for long double
        : SoftwareExtended(fromInteger(value < 0, magnitudeOf(value)))
    {
    }
    SoftwareExtended(double value);  // NOLINT: exact, as for long double
#ifdef MORVANE_LONG_DOUBLE_HOLDS_EXTENDED
    SoftwareExtended(long double value);  // NOLINT: rounds to nearest
    explicit operator long double() const;  // exact
#endif

    // The value with these fields: sign, biased exponent, significand.
    static constexpr SoftwareExtended fromFields(bool negative, std::uint16_t exponentField,
                                                 std::uint64_t significand)
    {
        SoftwareExtended result;
        result.signAndExponent_ = (negative ? 0x8000u : 0u) | (exponentField & 0x7FFFu);
        result.significand_ = significand;
        return result;
    }
    // significand x 2^exponent for a significand with its leading bit set,
    // in the normal range (as the power-of-ten table needs).
    static constexpr SoftwareExtended fromNormal(std::uint64_t significand, int exponent)
    {
        return fromFields(false, static_cast<std::uint16_t>(exponent + 63 + kExponentBias),
                          significand);
    }

    bool negative() const { return (signAndExponent_ & 0x8000) != 0; }
    std::uint16_t exponentField() const { return static_cast<std::uint16_t>(signAndExponent_ & 0x7FFF); }
    std::uint64_t significand() const { return significand_; }

    bool isNaN() const { return exponentField() == kMaxExponentField && significand_ != kLeadingBit; }
    bool isInfinite() const { return exponentField() == kMaxExponentField && significand_ == kLeadingBit; }
    bool isZero() const { return exponentField() == 0 && significand_ == 0; }
    // Neither zero, subnormal, infinite nor a not-a-number.
    bool isNormal() const { return exponentField() != 0 && exponentField() != kMaxExponentField; }

    // Rounded to nearest, ties to even: overflow gives an infinity, values
    // too small become double subnormals or zero.
    explicit operator double() const;
    // Truncating, as a cast of the hardware type; the value must fit.
    explicit operator std::int64_t() const;
    explicit operator std::uint64_t() const;

    friend SoftwareExtended operator+(SoftwareExtended a, SoftwareExtended b);
    friend SoftwareExtended operator-(SoftwareExtended a, SoftwareExtended b);
    friend SoftwareExtended operator*(SoftwareExtended a, SoftwareExtended b);
    friend SoftwareExtended operator/(SoftwareExtended a, SoftwareExtended b);
    friend SoftwareExtended operator-(SoftwareExtended a)
    {
        a.signAndExponent_ ^= 0x8000;
        return a;
    }
    SoftwareExtended& operator+=(SoftwareExtended other) { return *this = *this + other; }
    SoftwareExtended& operator-=(SoftwareExtended other) { return *this = *this - other; }
    SoftwareExtended& operator*=(SoftwareExtended other) { return *this = *this * other; }
    SoftwareExtended& operator/=(SoftwareExtended other) { return *this = *this / other; }

    friend bool operator==(SoftwareExtended a, SoftwareExtended b);
    friend std::partial_ordering operator<=>(SoftwareExtended a, SoftwareExtended b);

    SoftwareExtended magnitude() const
    {
        SoftwareExtended result = *this;
        result.signAndExponent_ &= 0x7FFF;
        return result;
    }
    // The nearest integral value, ties to even (the sign of a zero is kept).
    SoftwareExtended roundedToIntegral() const;

private:
    template <typename Integer>
    static constexpr std::uint64_t magnitudeOf(Integer value)
    {
        // Negated in the unsigned type, so the most negative value is no problem.
        using Unsigned = std::make_unsigned_t<Integer>;
        const auto bits = static_cast<Unsigned>(value);
        return value < 0 ? static_cast<Unsigned>(Unsigned{0} - bits) : bits;
    }
    static constexpr SoftwareExtended fromInteger(bool negative, std::uint64_t magnitude)
    {
        if (magnitude == 0) return {};
        const int shift = std::countl_zero(magnitude);
        return fromFields(negative, static_cast<std::uint16_t>(kExponentBias + 63 - shift),
                          magnitude << shift);
    }

    std::uint64_t significand_ = 0;
    // Sixteen bits in a 64-bit word: a value is then two whole words, which
    // the processor stores and reloads without stalling on a partial word.
    std::uint64_t signAndExponent_ = 0;
};

}  // namespace morvane

template <>
class std::numeric_limits<morvane::SoftwareExtended> {
public:
    using Value = morvane::SoftwareExtended;
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool has_denorm_loss = false;
    static constexpr std::float_round_style round_style = std::round_to_nearest;
    static constexpr int radix = 2;
    static constexpr int digits = 64;
    static constexpr int min_exponent = -16381;
    static constexpr int max_exponent = 16384;

    static constexpr Value min() { return Value::fromFields(false, 1, Value::kLeadingBit); }
    static constexpr Value max() { return Value::fromFields(false, 0x7FFE, ~std::uint64_t{0}); }
    static constexpr Value lowest() { return Value::fromFields(true, 0x7FFE, ~std::uint64_t{0}); }
    static constexpr Value denorm_min() { return Value::fromFields(false, 0, 1); }
    static constexpr Value infinity() { return Value::fromFields(false, 0x7FFF, Value::kLeadingBit); }
    static constexpr Value quiet_NaN()
    {
        return Value::fromFields(false, 0x7FFF, Value::kLeadingBit | (Value::kLeadingBit >> 1));
    }
};
