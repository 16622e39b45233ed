#pragma once
// Exact arithmetic for checking the conversions: a small unsigned big integer
// and the rounding of an exact binary value to the nearest 80-bit extended
// value. Everything here is computed with integers only, independently of the
// floating-point code under test.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace exact {

class BigUint {
public:
    BigUint() = default;
    BigUint(unsigned __int128 value)  // NOLINT: implicit on purpose, for brevity
    {
        while (value != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(value));
            value >>= 32;
        }
    }

    static BigUint powerOfTen(int exponent)
    {
        BigUint result(1);
        for (int i = 0; i < exponent; ++i) result.multiplySmall(10);
        return result;
    }

    bool isZero() const { return limbs_.empty(); }

    int bitLength() const
    {
        if (limbs_.empty()) return 0;
        return static_cast<int>(32 * (limbs_.size() - 1)) + 32 - __builtin_clz(limbs_.back());
    }

    bool bit(int index) const
    {
        const std::size_t limb = static_cast<std::size_t>(index) / 32;
        return limb < limbs_.size() && (limbs_[limb] >> (index % 32)) & 1;
    }

    // True when any of the bits below `count` is set.
    bool anyBitBelow(int count) const
    {
        for (int i = 0; i < count && i < bitLength(); ++i)
            if (bit(i)) return true;
        return false;
    }

    void multiplySmall(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    void addSmall(std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::size_t i = 0; carry != 0; ++i) {
            if (i == limbs_.size()) limbs_.push_back(0);
            const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
            limbs_[i] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
    }

    void add(const BigUint& other)
    {
        std::uint64_t carry = 0;
        limbs_.resize(std::max(limbs_.size(), other.limbs_.size()) + 1, 0);
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t sum =
                std::uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0) + carry;
            limbs_[i] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        trim();
    }

    BigUint shiftedLeft(int count) const
    {
        BigUint result;
        if (isZero()) return result;
        const int limbShift = count / 32, bitShift = count % 32;
        result.limbs_.assign(limbs_.size() + limbShift + 1, 0);
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t moved = std::uint64_t{limbs_[i]} << bitShift;
            result.limbs_[i + limbShift] |= static_cast<std::uint32_t>(moved);
            result.limbs_[i + limbShift + 1] |= static_cast<std::uint32_t>(moved >> 32);
        }
        result.trim();
        return result;
    }

    BigUint shiftedRight(int count) const
    {
        BigUint result;
        const std::size_t limbShift = static_cast<std::size_t>(count) / 32;
        const int bitShift = count % 32;
        if (limbShift >= limbs_.size()) return result;
        result.limbs_.assign(limbs_.size() - limbShift, 0);
        for (std::size_t i = 0; i < result.limbs_.size(); ++i) {
            std::uint64_t window = limbs_[i + limbShift];
            if (i + limbShift + 1 < limbs_.size())
                window |= std::uint64_t{limbs_[i + limbShift + 1]} << 32;
            result.limbs_[i] = static_cast<std::uint32_t>(window >> bitShift);
        }
        result.trim();
        return result;
    }

    // The low 64 bits.
    std::uint64_t low64() const
    {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < std::min<std::size_t>(2, limbs_.size()); ++i)
            value |= std::uint64_t{limbs_[i]} << (32 * i);
        return value;
    }

    // Divides in place by a non-zero divisor and returns the remainder.
    std::uint64_t divideSmall(std::uint64_t divisor)
    {
        unsigned __int128 remainder = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            const unsigned __int128 current = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        trim();
        return static_cast<std::uint64_t>(remainder);
    }

    std::string decimal() const
    {
        if (isZero()) return "0";
        BigUint rest = *this;
        std::string digits;
        while (!rest.isZero()) {
            std::uint64_t chunk = rest.divideSmall(1000000000);
            for (int i = 0; i < 9; ++i) {
                digits.push_back(static_cast<char>('0' + chunk % 10));
                chunk /= 10;
            }
        }
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        return {digits.rbegin(), digits.rend()};
    }

private:
    void trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// An extended value as significand x 2^exponent; infinite beyond the range.
struct ExtendedParts {
    bool negative = false;
    bool infinite = false;
    std::uint64_t significand = 0;  // bit 63 set unless zero or subnormal
    int exponent = 0;

    long double toLongDouble() const
    {
        if (infinite) return negative ? -HUGE_VALL : HUGE_VALL;
        const long double magnitude = std::ldexp(static_cast<long double>(significand), exponent);
        return negative ? -magnitude : magnitude;
    }

    static ExtendedParts of(long double value)
    {
        ExtendedParts parts;
        parts.negative = std::signbit(value);
        if (std::isinf(value)) {
            parts.infinite = true;
            return parts;
        }
        if (value == 0) return parts;
        int binaryExponent = 0;
        std::frexp(std::fabs(value), &binaryExponent);
        parts.exponent = std::max(binaryExponent - 64, kQuantumExponentMin);
        parts.significand =
            static_cast<std::uint64_t>(std::ldexp(std::fabs(value), -parts.exponent));
        return parts;
    }

    // The exact value as a big integer times 2^exponent.
    BigUint magnitude() const { return BigUint(significand); }

    static constexpr int kQuantumExponentMin = -16445;  // the subnormal quantum is 2^-16445
    static constexpr int kLeadingExponentMax = 16383;   // largest finite values are below 2^16384
};

// The extended value nearest to (value + sticky) x 2^exponent, ties to even,
// where sticky stands for a positive amount below one unit of `value`.
inline ExtendedParts roundToExtended(const BigUint& value, int exponent, bool sticky,
                                     bool negative = false)
{
    ExtendedParts result;
    result.negative = negative;
    if (value.isZero()) return result;
    const int length = value.bitLength();
    const int quantum = std::max(length + exponent - 64, ExtendedParts::kQuantumExponentMin);
    const int dropped = quantum - exponent;
    unsigned __int128 significand = 0;
    int finalQuantum = quantum;
    if (dropped <= 0) {
        significand = value.shiftedLeft(-dropped).low64();
    } else {
        significand = value.shiftedRight(dropped).low64();
        const bool half = value.bit(dropped - 1);
        const bool below = sticky || value.anyBitBelow(dropped - 1);
        if (half && (below || (significand & 1))) ++significand;
        if (significand >> 64) {  // carried out of the top bit
            significand >>= 1;
            ++finalQuantum;
        }
    }
    result.significand = static_cast<std::uint64_t>(significand);
    result.exponent = finalQuantum;
    if (significand != 0 && finalQuantum + 63 > ExtendedParts::kLeadingExponentMax)
        result.infinite = true;
    return result;
}

// Correctly rounded products and quotients of two finite extended values.
inline ExtendedParts exactProduct(const ExtendedParts& a, const ExtendedParts& b)
{
    const unsigned __int128 product =
        static_cast<unsigned __int128>(a.significand) * b.significand;
    return roundToExtended(BigUint(product), a.exponent + b.exponent, false,
                           a.negative != b.negative);
}

inline ExtendedParts exactQuotient(const ExtendedParts& a, const ExtendedParts& b)
{
    constexpr int kExtraBits = 130;
    BigUint scaled = a.magnitude().shiftedLeft(kExtraBits);
    const bool sticky = scaled.divideSmall(b.significand) != 0;
    return roundToExtended(scaled, a.exponent - b.exponent - kExtraBits, sticky,
                           a.negative != b.negative);
}

// The extended value nearest to 10^exponent (exponent >= 0).
inline ExtendedParts nearestPowerOfTen(int exponent)
{
    return roundToExtended(BigUint::powerOfTen(exponent), 0, false);
}

// The exact decimal expansion of a finite extended value: digits (no leading
// zeros, "0" for zero) and the number of them after the decimal point.
struct ExactDecimal {
    std::string digits;
    int fractionDigits = 0;
};

inline ExactDecimal exactDecimal(long double value)
{
    const ExtendedParts parts = ExtendedParts::of(value);
    if (parts.exponent >= 0)
        return {parts.magnitude().shiftedLeft(parts.exponent).decimal(), 0};
    // m / 2^k == m * 5^k / 10^k
    BigUint scaled = parts.magnitude();
    for (int i = 0; i < -parts.exponent; ++i) scaled.multiplySmall(5);
    return {scaled.decimal(), -parts.exponent};
}

}  // namespace exact
