#include "software_extended.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace morvane {
namespace {

constexpr int kBias = SoftwareExtended::kExponentBias;
constexpr std::uint64_t kLeadingBit = SoftwareExtended::kLeadingBit;

using detail::Wide;
using detail::fullProduct;
using detail::quotient;
using detail::wideDifference;
using detail::wideSum;

Wide shiftedLeft(Wide value, int count)
{
    if (count == 0) return value;
    if (count >= 64) return {value.low << (count - 64), 0};
    return {(value.high << count) | (value.low >> (64 - count)), value.low << count};
}

// Shifts right and sets the lowest bit when any set bit was shifted out, so
// rounding further down still sees that the value was above the kept bits.
Wide shiftedRightSticky(Wide value, int count)
{
    if (count == 0) return value;
    if (count >= 128) return {0, value.isZero() ? 0u : 1u};
    Wide kept;
    bool lost = false;
    if (count >= 64) {
        kept = {0, count == 64 ? value.high : value.high >> (count - 64)};
        lost = value.low != 0 || (count > 64 && (value.high << (128 - count)) != 0);
    } else {
        kept = {value.high >> count, (value.low >> count) | (value.high << (64 - count))};
        lost = (value.low << (64 - count)) != 0;
    }
    if (lost) kept.low |= 1;
    return kept;
}

SoftwareExtended infinity(bool negative)
{
    return SoftwareExtended::fromFields(negative, SoftwareExtended::kMaxExponentField, kLeadingBit);
}

SoftwareExtended notANumber() { return std::numeric_limits<SoftwareExtended>::quiet_NaN(); }

SoftwareExtended zero(bool negative) { return SoftwareExtended::fromFields(negative, 0, 0); }

// A finite non-zero value as significand x 2^exponent, the significand's
// leading bit set (subnormals are normalised here).
struct Unpacked {
    bool negative;
    int exponent;
    std::uint64_t significand;
};

// The common case, without the normalising shift.
Unpacked unpackNormal(SoftwareExtended value)
{
    return {value.negative(), value.exponentField() - kBias - 63, value.significand()};
}

// A subnormal value, normalised; kept out of line so that unpack() stays
// small enough to inline.
[[gnu::noinline]] Unpacked unpackSubnormal(SoftwareExtended value)
{
    const int field = value.exponentField();
    std::uint64_t significand = value.significand();
    int exponent = (field == 0 ? 1 : field) - kBias - 63;
    const int shift = std::countl_zero(significand);
    significand <<= shift;
    exponent -= shift;
    return {value.negative(), exponent, significand};
}

inline Unpacked unpack(SoftwareExtended value)
{
    if (value.isNormal()) [[likely]]
        return unpackNormal(value);
    return unpackSubnormal(value);
}

// The extended value nearest to (mantissa + sticky) x 2^exponent, where
// sticky stands for a positive amount below one unit of the mantissa's
// lowest bit. The mantissa is not zero.
SoftwareExtended rounded(bool negative, int exponent, Wide mantissa, bool sticky)
{
    const int leadingZeros = mantissa.high != 0 ? std::countl_zero(mantissa.high)
                                          : 64 + std::countl_zero(mantissa.low);
    mantissa = shiftedLeft(mantissa, leadingZeros);
    exponent -= leadingZeros;
    if (sticky) mantissa.low |= 1;

    // The top bit of the mantissa now has the weight 2^(exponent + 127).
    int field = exponent + 127 + kBias;
    int drop = 64;
    if (field <= 0) {  // subnormal: the last kept bit has the weight 2^-16445
        drop = 65 - field;
        field = 0;
    }
    std::uint64_t kept = 0;
    bool half = false, rest = true;  // beyond 128 dropped bits: below half a unit
    if (drop == 64) {
        kept = mantissa.high;
        half = (mantissa.low & kLeadingBit) != 0;
        rest = (mantissa.low << 1) != 0;
    } else if (drop < 128) {
        const int fromHigh = drop - 64;  // 1..63 bits of the high half dropped
        kept = mantissa.high >> fromHigh;
        half = ((mantissa.high >> (fromHigh - 1)) & 1) != 0;
        rest = mantissa.low != 0 ||
               (fromHigh > 1 && (mantissa.high << (65 - fromHigh)) != 0);
    } else if (drop == 128) {
        half = (mantissa.high & kLeadingBit) != 0;
        rest = (mantissa.high << 1) != 0 || mantissa.low != 0;
    }
    if (half && (rest || (kept & 1))) {
        ++kept;
        if (kept == 0) {  // carried out of the top bit
            kept = kLeadingBit;
            ++field;
        }
    }
    if (field == 0 && (kept & kLeadingBit) != 0) field = 1;  // rounded up to the smallest normal
    if (field >= SoftwareExtended::kMaxExponentField) return infinity(negative);
    return SoftwareExtended::fromFields(negative, static_cast<std::uint16_t>(field), kept);
}

}  // namespace

SoftwareExtended SoftwareExtended::fromDoubleGeneral(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int field = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (field != 0 && field != 0x7FF) {  // normal: the same bits, re-biased
        return fromFields(negative, static_cast<std::uint16_t>(field - 1023 + kBias),
                          (fraction | (std::uint64_t{1} << 52)) << 11);
    }
    if (field == 0x7FF) {
        return fraction == 0 ? infinity(negative) : notANumber();
    }
    if (field == 0 && fraction == 0) {
        return zero(negative);
    }
    // significand x 2^exponent, then normalised so its leading bit is set.
    std::uint64_t significand = field == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    int exponent = (field == 0 ? 1 : field) - 1023 - 52;
    const int shift = std::countl_zero(significand);
    significand <<= shift;
    exponent -= shift;
    const SoftwareExtended result = fromNormal(significand, exponent);
    return negative ? -result : result;
}

double SoftwareExtended::toDoubleGeneral() const
{
    const std::uint64_t sign = negative() ? std::uint64_t{1} << 63 : 0;
    if (isNaN()) return std::numeric_limits<double>::quiet_NaN();
    if (isInfinite() || isZero()) {
        const std::uint64_t field = isInfinite() ? 0x7FF : 0;
        return std::bit_cast<double>(sign | (field << 52));
    }
    const Unpacked value = unpack(*this);
    int field = value.exponent + 63 + 1023;
    int drop = 11;
    if (field <= 0) {  // a double subnormal: the last kept bit weighs 2^-1074
        drop = 12 - field;
        field = 0;
    }
    std::uint64_t kept = roundedShiftRight(value.significand, drop);
    if (kept >> 53) {  // carried out of the top bit
        kept >>= 1;
        ++field;
    }
    if (field == 0 && (kept >> 52) != 0) field = 1;
    if (field >= 0x7FF) return std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52));
    const std::uint64_t fraction = kept & ((std::uint64_t{1} << 52) - 1);
    return std::bit_cast<double>(sign | (static_cast<std::uint64_t>(field) << 52) | fraction);
}

SoftwareExtended SoftwareExtended::roundedToIntegralGeneral() const
{
    if (isZero() || isNaN() || isInfinite()) return *this;
    const Unpacked value = unpack(*this);
    if (value.exponent >= 0) return *this;  // already integral
    const std::uint64_t whole = roundedShiftRight(value.significand, -value.exponent);
    const SoftwareExtended result = fromInteger(false, whole);
    return value.negative ? -result : result;  // -0.3 gives -0
}

SoftwareExtended SoftwareExtended::sumGeneral(SoftwareExtended a, SoftwareExtended b)
{
    if (!a.isNormal() || !b.isNormal()) {  // special operands; subnormals go on
        if (a.isNaN() || b.isNaN()) return notANumber();
        if (a.isInfinite() || b.isInfinite()) {
            if (a.isInfinite() && b.isInfinite() && a.negative() != b.negative())
                return notANumber();
            return a.isInfinite() ? a : b;
        }
        if (a.isZero() && b.isZero()) return zero(a.negative() && b.negative());
        if (a.isZero()) return b;
        if (b.isZero()) return a;
    }

    Unpacked larger = unpack(a), smaller = unpack(b);
    if (larger.exponent < smaller.exponent ||
        (larger.exponent == smaller.exponent && larger.significand < smaller.significand))
        std::swap(larger, smaller);
    // Both significands at bits 126..63, one bit of room for a carry.
    const Wide big{larger.significand >> 1, larger.significand << 63};
    const Wide little = shiftedRightSticky({smaller.significand >> 1, smaller.significand << 63},
                                           std::min(larger.exponent - smaller.exponent, 128));
    const Wide total = larger.negative == smaller.negative ? wideSum(big, little)
                                                           : wideDifference(big, little);
    if (total.isZero()) return zero(false);  // exact cancellation gives +0
    return rounded(larger.negative, larger.exponent - 63, total, false);
}

SoftwareExtended SoftwareExtended::productGeneral(SoftwareExtended a, SoftwareExtended b)
{
    const bool negative = a.negative() != b.negative();
    if (a.isNormal() && b.isNormal()) {  // the common case first
        const Unpacked x = unpackNormal(a), y = unpackNormal(b);
        return rounded(negative, x.exponent + y.exponent,
                       fullProduct(x.significand, y.significand), false);
    }
    if (a.isNaN() || b.isNaN()) return notANumber();
    if (a.isInfinite() || b.isInfinite()) {
        if (a.isZero() || b.isZero()) return notANumber();
        return infinity(negative);
    }
    if (a.isZero() || b.isZero()) return zero(negative);
    const Unpacked x = unpack(a), y = unpack(b);
    return rounded(negative, x.exponent + y.exponent, fullProduct(x.significand, y.significand),
                   false);
}

SoftwareExtended SoftwareExtended::quotientGeneral(SoftwareExtended a, SoftwareExtended b)
{
    const bool negative = a.negative() != b.negative();
    if (!a.isNormal() || !b.isNormal()) {  // special operands; subnormals go on
        if (a.isNaN() || b.isNaN()) return notANumber();
        if (a.isInfinite()) return b.isInfinite() ? notANumber() : infinity(negative);
        if (b.isInfinite()) return zero(negative);
        if (b.isZero()) return a.isZero() ? notANumber() : infinity(negative);
        if (a.isZero()) return zero(negative);
    }

    const Unpacked x = unpack(a), y = unpack(b);
    // A 64-bit quotient with its leading bit set: the dividend is taken
    // times 2^63 when its significand is the larger one, else times 2^64.
    const bool largerDividend = x.significand >= y.significand;
    std::uint64_t remainder = 0;
    const std::uint64_t q =
        largerDividend ? quotient(x.significand >> 1, x.significand << 63, y.significand, remainder)
                       : quotient(x.significand, 0, y.significand, remainder);
    // The remainder gives the next bit of the quotient and whether any follow.
    const bool half = remainder >= y.significand - remainder;
    const bool rest = remainder != 0 && remainder != y.significand - remainder;
    const Wide mantissa{q, (half ? kLeadingBit : 0) | (rest ? 1u : 0u)};
    const int exponent = x.exponent - y.exponent - (largerDividend ? 63 : 64) - 64;
    return rounded(negative, exponent, mantissa, false);
}

#ifdef MORVANE_LONG_DOUBLE_HOLDS_EXTENDED
SoftwareExtended::SoftwareExtended(long double value)
{
    if (std::isnan(value)) {
        *this = notANumber();
        return;
    }
    const bool negative = std::signbit(value);
    if (std::isinf(value) || value == 0) {
        *this = value == 0 ? zero(negative) : infinity(negative);
        return;
    }
    // Two 64-bit pieces of the significand and whether anything is left:
    // exact where long double is wider than 64 bits.
    int exponent = 0;
    const long double scaled = std::ldexp(std::frexp(std::fabs(value), &exponent), 64);
    const auto high = static_cast<std::uint64_t>(scaled);
    const long double next = std::ldexp(scaled - static_cast<long double>(high), 64);
    const auto low = static_cast<std::uint64_t>(next);
    const bool sticky = next != static_cast<long double>(low);
    *this = rounded(negative, exponent - 128, Wide{high, low}, sticky);
}

SoftwareExtended::operator long double() const
{
    if (isNaN()) return std::numeric_limits<long double>::quiet_NaN();
    long double magnitude = std::numeric_limits<long double>::infinity();
    if (isZero()) magnitude = 0;
    if (!isInfinite() && !isZero()) {
        const Unpacked value = unpack(*this);
        magnitude = std::ldexp(static_cast<long double>(value.significand), value.exponent);
    }
    return negative() ? -magnitude : magnitude;
}
#endif

}  // namespace morvane
