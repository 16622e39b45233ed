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
#include <utility>

// The 128-bit products and quotients use the compiler's 128-bit integers
// and the x86-64 divide instruction where they exist, else plain C++.
// MORVANE_PORTABLE_INTEGERS takes the plain paths everywhere, so the tests
// check them on a processor that has the faster ones.
#if !defined(MORVANE_PORTABLE_INTEGERS) && defined(__SIZEOF_INT128__)
#define MORVANE_HAS_INT128 1
#endif
#if !defined(MORVANE_PORTABLE_INTEGERS) && defined(__x86_64__) && defined(__GNUC__)
#define MORVANE_HAS_X86_DIVIDE 1
#endif

namespace morvane {

// The integer steps of the arithmetic, inline so that the common cases of
// the operators below compile to straight-line code at every use.
namespace detail {

// An unsigned 128-bit integer as two halves, so the arithmetic needs no
// compiler extension.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    bool isZero() const { return high == 0 && low == 0; }
};

// value x 2^count for count in [0, 64).
inline Wide shiftedLeftBelow64(Wide value, int count)
{
    if (count == 0) return value;
    return {(value.high << count) | (value.low >> (64 - count)), value.low << count};
}

inline Wide wideSum(Wide a, Wide b)
{
    const std::uint64_t low = a.low + b.low;
    return {a.high + b.high + (low < a.low ? 1 : 0), low};
}

// a - b for a >= b.
inline Wide wideDifference(Wide a, Wide b)
{
    return {a.high - b.high - (a.low < b.low ? 1 : 0), a.low - b.low};
}

inline Wide fullProduct(std::uint64_t a, std::uint64_t b)
{
#ifdef MORVANE_HAS_INT128
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
    const std::uint64_t aLow = a & 0xFFFFFFFF, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFF, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow, highHigh = aHigh * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFF) + (highLow & 0xFFFFFFFF);
    return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xFFFFFFFF)};
#endif
}

// (high x 2^64 + low) / divisor for high < divisor, so the quotient fits.
inline std::uint64_t quotient(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                              std::uint64_t& remainder)
{
#if defined(MORVANE_HAS_X86_DIVIDE)
    // One instruction; the library's 128-bit division is several times slower.
    std::uint64_t result = 0;
    __asm__("divq %[divisor]"
            : "=a"(result), "=d"(remainder)
            : [divisor] "rm"(divisor), "a"(low), "d"(high));
    return result;
#elif defined(MORVANE_HAS_INT128)
    const unsigned __int128 dividend = (static_cast<unsigned __int128>(high) << 64) | low;
    remainder = static_cast<std::uint64_t>(dividend % divisor);
    return static_cast<std::uint64_t>(dividend / divisor);
#else
    std::uint64_t result = 0;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = (high >> 63) != 0;
        high = (high << 1) | ((low >> bit) & 1);
        result <<= 1;
        if (carry || high >= divisor) {
            high -= divisor;
            result |= 1;
        }
    }
    remainder = high;
    return result;
#endif
}

}  // namespace detail

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
    SoftwareExtended(double value)  // NOLINT: exact, as for long double
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        const auto field = static_cast<int>((bits >> 52) & 0x7FF);
        if (field != 0 && field != 0x7FF) [[likely]] {  // normal: the same bits, re-biased
            signAndExponent_ = ((bits >> 48) & 0x8000) | static_cast<std::uint64_t>(field - 1023 + kExponentBias);
            significand_ = ((bits << 11) | kLeadingBit);
            return;
        }
        *this = fromDoubleGeneral(value);
    }
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
    explicit operator double() const
    {
        // A result in the double's normal range: the top 53 bits, rounded.
        const int field = exponentField() - kExponentBias + 1023;
        if (field >= 1 && field <= 0x7FE && (significand_ & kLeadingBit) != 0) [[likely]] {
            const std::uint64_t dropped = significand_ & 0x7FF;
            std::uint64_t kept = significand_ >> 11;
            kept += (dropped > 0x400 || (dropped == 0x400 && (kept & 1) != 0)) ? 1 : 0;
            // A carry out of the top bit leaves the fraction 0 and raises the
            // exponent by one, to an infinity beyond the largest double.
            const std::uint64_t sign = negative() ? std::uint64_t{1} << 63 : 0;
            const auto biased = static_cast<std::uint64_t>(field) + (kept >> 53);
            return std::bit_cast<double>(sign | (biased << 52) | (kept & ((std::uint64_t{1} << 52) - 1)));
        }
        return toDoubleGeneral();
    }
    // Truncating, as a cast of the hardware type; the value must fit.
    explicit operator std::int64_t() const
    {
        const auto magnitude = static_cast<std::uint64_t>(this->magnitude());
        return negative() ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    }
    explicit operator std::uint64_t() const
    {
        if (!isNormal()) return 0;  // zero, subnormal, infinite or not-a-number
        const int exponent = lowestBitExponent();
        if (exponent >= 0) return exponent >= 64 ? 0 : significand_ << exponent;
        return exponent <= -64 ? 0 : significand_ >> -exponent;
    }

    friend SoftwareExtended operator+(const SoftwareExtended& a, const SoftwareExtended& b) { return sum(a, b); }
    friend SoftwareExtended operator-(const SoftwareExtended& a, const SoftwareExtended& b)
    {
        return sum(a, -b);  // a not-a-number stays one
    }
    friend SoftwareExtended operator*(const SoftwareExtended& a, const SoftwareExtended& b)
    {
        // Two normal operands and a normal result: the 128-bit product, its
        // leading bit at 127 or 126, rounded once at its 64th bit.
        if (bothNormal(a, b)) [[likely]] {
            const detail::Wide product = detail::fullProduct(a.significand_, b.significand_);
            const int shift = product.high >> 63 != 0 ? 0 : 1;
            const int field = a.exponentField() + b.exponentField() - kExponentBias + 1 - shift;
            if (field >= 1 && field <= kMaxExponentField - 1) [[likely]] {
                const detail::Wide normalised = detail::shiftedLeftBelow64(product, shift);
                return roundedNormal(a.negative() != b.negative(), field, normalised.high,
                                     normalised.low);
            }
        }
        return productGeneral(a, b);
    }
    friend SoftwareExtended operator/(const SoftwareExtended& a, const SoftwareExtended& b)
    {
        // Two normal operands and a normal result: a 64-bit quotient with its
        // leading bit set, rounded by its remainder.
        if (bothNormal(a, b)) [[likely]] {
            const bool largerDividend = a.significand_ >= b.significand_;
            const int field = a.exponentField() - b.exponentField() + kExponentBias -
                              (largerDividend ? 0 : 1);
            if (field >= 1 && field <= kMaxExponentField - 1) [[likely]] {
                const std::uint64_t divisor = b.significand_;
                std::uint64_t remainder = 0;
                std::uint64_t q =
                    largerDividend
                        ? detail::quotient(a.significand_ >> 1, a.significand_ << 63, divisor, remainder)
                        : detail::quotient(a.significand_, 0, divisor, remainder);
                // Above half a unit, or exactly half with an odd quotient: up.
                const std::uint64_t toNext = divisor - remainder;
                q += (remainder > toNext || (remainder == toNext && (q & 1) != 0)) ? 1 : 0;
                const bool negative = a.negative() != b.negative();
                if (q == 0) return fromFields(negative, static_cast<std::uint16_t>(field + 1), kLeadingBit);
                return fromFields(negative, static_cast<std::uint16_t>(field), q);
            }
        }
        return quotientGeneral(a, b);
    }
    friend SoftwareExtended operator-(SoftwareExtended a)
    {
        a.signAndExponent_ ^= 0x8000;
        return a;
    }
    SoftwareExtended& operator+=(SoftwareExtended other) { return *this = *this + other; }
    SoftwareExtended& operator-=(SoftwareExtended other) { return *this = *this - other; }
    SoftwareExtended& operator*=(SoftwareExtended other) { return *this = *this * other; }
    SoftwareExtended& operator/=(SoftwareExtended other) { return *this = *this / other; }

    friend bool operator==(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.isNaN() || b.isNaN()) return false;
        if (a.isZero() && b.isZero()) return true;
        return a.signAndExponent_ == b.signAndExponent_ && a.significand_ == b.significand_;
    }
    friend std::partial_ordering operator<=>(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.isNaN() || b.isNaN()) return std::partial_ordering::unordered;
        if (a.isZero() && b.isZero()) return std::partial_ordering::equivalent;
        if (a.negative() != b.negative())
            return a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
        // The fields order magnitudes: exponent first, then significand.
        const auto magnitudeOrder = a.exponentField() != b.exponentField()
                                        ? a.exponentField() <=> b.exponentField()
                                        : a.significand() <=> b.significand();
        const std::partial_ordering order = magnitudeOrder;
        return a.negative() ? 0 <=> order : order;
    }

    SoftwareExtended magnitude() const
    {
        SoftwareExtended result = *this;
        result.signAndExponent_ &= 0x7FFF;
        return result;
    }
    // The nearest integral value, ties to even (the sign of a zero is kept).
    SoftwareExtended roundedToIntegral() const
    {
        if (!isNormal() || (significand_ & kLeadingBit) == 0) return roundedToIntegralGeneral();
        const int exponent = lowestBitExponent();
        if (exponent >= 0) return *this;  // already integral
        const SoftwareExtended result = fromInteger(false, roundedShiftRight(significand_, -exponent));
        return negative() ? -result : result;  // -0.3 gives -0
    }
    // The nearest integer, ties to even, of the magnitude: the same as
    // static_cast<std::uint64_t>(magnitude().roundedToIntegral()) for a
    // magnitude below 2^64, without building the integral value.
    std::uint64_t roundedToUnsigned() const
    {
        if (!isNormal()) return 0;  // zero, subnormal, infinite or not-a-number
        const int exponent = lowestBitExponent();
        if (exponent >= 0) return exponent >= 64 ? 0 : significand_ << exponent;
        return roundedShiftRight(significand_, -exponent);
    }

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

    // The power of two that the significand's lowest bit stands for, in a
    // normal value: the value is significand x 2^lowestBitExponent().
    int lowestBitExponent() const { return exponentField() - kExponentBias - 63; }
    static bool bothNormal(const SoftwareExtended& a, const SoftwareExtended& b)
    {
        // Normal fields and the explicit leading bit set in both.
        return a.isNormal() && b.isNormal() && ((a.significand_ & b.significand_) >> 63) != 0;
    }
    // The value of sign, field and the 128 bits high:low whose leading bit
    // is set and has the weight of the field, rounded to nearest at the
    // 64th bit, ties to even; for a field in [1, 0x7FFE], so the result is
    // normal or, by a carry out of the top, an infinity.
    static SoftwareExtended roundedNormal(bool negative, int field, std::uint64_t high,
                                          std::uint64_t low)
    {
        high += (low > kLeadingBit || (low == kLeadingBit && (high & 1) != 0)) ? 1 : 0;
        if (high == 0) return fromFields(negative, static_cast<std::uint16_t>(field + 1), kLeadingBit);
        return fromFields(negative, static_cast<std::uint16_t>(field), high);
    }
    // Bits [drop, 64) of `bits` rounded to nearest, ties to even, for drop >= 1.
    static std::uint64_t roundedShiftRight(std::uint64_t bits, int drop)
    {
        if (drop > 64) return 0;  // below half of the last kept unit
        const std::uint64_t kept = drop == 64 ? 0 : bits >> drop;
        const std::uint64_t dropped = drop == 64 ? bits : bits << (64 - drop);
        return kept + ((dropped > kLeadingBit || (dropped == kLeadingBit && (kept & 1) != 0)) ? 1 : 0);
    }
    static SoftwareExtended sum(const SoftwareExtended& a, const SoftwareExtended& b)
    {
        // Two normal operands less than 64 binary places apart: the exact sum
        // or difference in 128 bits, normalised, rounded once. The operands'
        // fields are read into integers first: swapping the values themselves
        // makes the compiler copy them through memory.
        if (bothNormal(a, b)) [[likely]] {
            int largerField = a.exponentField(), smallerField = b.exponentField();
            std::uint64_t larger = a.significand_, smaller = b.significand_;
            bool negative = a.negative();
            const bool sameSign = a.negative() == b.negative();
            if (largerField < smallerField || (largerField == smallerField && larger < smaller)) {
                std::swap(largerField, smallerField);
                std::swap(larger, smaller);
                negative = b.negative();
            }
            const int distance = largerField - smallerField;
            if (distance < 64) {
                // Both significands at bits 126..63: one bit of room for a carry.
                const detail::Wide big{larger >> 1, larger << 63};
                const detail::Wide little{(smaller >> distance) >> 1, smaller << (63 - distance)};
                const detail::Wide total =
                    sameSign ? detail::wideSum(big, little) : detail::wideDifference(big, little);
                if (total.high != 0) {  // else a cancellation of 64 bits or more
                    const int shift = std::countl_zero(total.high);
                    const int field = largerField + 1 - shift;
                    if (field >= 1 && field <= kMaxExponentField - 1) {
                        const detail::Wide normalised = detail::shiftedLeftBelow64(total, shift);
                        return roundedNormal(negative, field, normalised.high, normalised.low);
                    }
                }
            }
        }
        return sumGeneral(a, b);
    }

    // The general cases, special operands and subnormal results included.
    static SoftwareExtended sumGeneral(SoftwareExtended a, SoftwareExtended b);
    static SoftwareExtended productGeneral(SoftwareExtended a, SoftwareExtended b);
    static SoftwareExtended quotientGeneral(SoftwareExtended a, SoftwareExtended b);
    SoftwareExtended roundedToIntegralGeneral() const;
    double toDoubleGeneral() const;
    static SoftwareExtended fromDoubleGeneral(double value);

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
