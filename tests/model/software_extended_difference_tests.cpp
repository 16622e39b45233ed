// SoftwareExtended against the x87 unit: millions of random operations of
// each kind, weighted towards the cases where rounding is hard (ties at the
// 64th bit, results near the overflow and underflow thresholds, subnormal
// results, cancellations, every class of double), must give the same bits
// and the same fault. MORVANE_DIFFERENCE_OPERATIONS sets how many operations
// of each kind run (10 million by default).

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "extended.h"
#include "software_extended.h"

namespace {

using morvane::SoftwareExtended;

long long operationsPerKind()
{
    const char* text = std::getenv("MORVANE_DIFFERENCE_OPERATIONS");
    return text != nullptr ? std::atoll(text) : 10'000'000;
}

// ---- Both types as fields -------------------------------------------------

struct Fields {
    bool negative = false;
    std::uint16_t exponent = 0;
    std::uint64_t significand = 0;
};

bool isNaN(const Fields& f) { return f.exponent == 0x7FFF && f.significand != (1ULL << 63); }

Fields fieldsOf(long double value)
{
    Fields f;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&f.significand, &value, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&value) + 8, 2);
    f.negative = (signAndExponent & 0x8000) != 0;
    f.exponent = signAndExponent & 0x7FFF;
    return f;
}

Fields fieldsOf(SoftwareExtended value)
{
    return {value.negative(), value.exponentField(), value.significand()};
}

long double hardwareValue(const Fields& f)
{
    long double value = 0;
    const std::uint16_t signAndExponent =
        static_cast<std::uint16_t>((f.negative ? 0x8000 : 0) | f.exponent);
    std::memcpy(&value, &f.significand, 8);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + 8, &signAndExponent, 2);
    return value;
}

SoftwareExtended softwareValue(const Fields& f)
{
    return SoftwareExtended::fromFields(f.negative, f.exponent, f.significand);
}

// Any two not-a-numbers are the same; everything else bit for bit.
bool sameValue(const Fields& a, const Fields& b)
{
    if (isNaN(a) || isNaN(b)) return isNaN(a) && isNaN(b);
    return a.negative == b.negative && a.exponent == b.exponent && a.significand == b.significand;
}

std::string describe(const Fields& f)
{
    char text[64];
    std::snprintf(text, sizeof text, "%c%04X:%016llX", f.negative ? '-' : '+', f.exponent,
                  static_cast<unsigned long long>(f.significand));
    return text;
}

// ---- Faults -----------------------------------------------------------------

enum class Fault { None, Invalid, ZeroDivide, Overflow };

// What the x87 unit flagged during `operation` (underflow and inexact are
// masked and never fail). The status word is cleared and read directly:
// the library's full environment reload would cost more than the operations.
template <typename Operation>
Fault hardwareFault(Operation operation)
{
    __asm__ volatile("fnclex");
    operation();
    std::uint16_t status = 0;
    __asm__ volatile("fnstsw %0" : "=m"(status));
    constexpr std::uint16_t kInvalid = 0x01, kZeroDivide = 0x04, kOverflow = 0x08;
    if (status & kInvalid) return Fault::Invalid;
    if (status & kZeroDivide) return Fault::ZeroDivide;
    if (status & kOverflow) return Fault::Overflow;
    return Fault::None;
}

// The fault the checked operations report for a result of finite operands:
// a not-a-number is an invalid operation, an infinity an overflow or, from
// a zero divisor, a division by zero.
Fault softwareFault(const Fields& result, bool zeroDivisor)
{
    if (isNaN(result)) return Fault::Invalid;
    if (result.exponent == 0x7FFF) return zeroDivisor ? Fault::ZeroDivide : Fault::Overflow;
    return Fault::None;
}

// ---- Random operands, weighted towards the hard cases ------------------------

class OperandSource {
public:
    explicit OperandSource(std::uint64_t seed) : state_(seed) {}

    // SplitMix64: statistically good enough here and several times faster
    // than std::mt19937_64, which would take most of the run.
    std::uint64_t bits()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(bits() % static_cast<std::uint64_t>(n)); }
    bool coin() { return (bits() & 1) != 0; }

    // A significand with its leading bit set: random, short (so sums and
    // products land exactly on ties), all ones, a single bit, or sparse.
    std::uint64_t significand()
    {
        const std::uint64_t lead = 1ULL << 63;
        switch (below(6)) {
        case 0: return lead | (bits() << (1 + below(40)));  // low bits zero
        case 1: return ~0ULL << below(4);
        case 2: return lead;
        case 3: return lead | (1ULL << below(63)) | (1ULL << below(63));
        default: return lead | bits();
        }
    }

    // A biased exponent: anywhere, near 1.0, near the top or the bottom.
    int exponent()
    {
        switch (below(5)) {
        case 0: return 1 + below(0x7FFE);
        case 1: return 0x7FFE - below(80);
        case 2: return 1 + below(80);
        default: return 16383 - 70 + below(140);
        }
    }

    // A finite value; one in twenty is a subnormal and one in fifty a zero.
    Fields finite()
    {
        Fields f;
        f.negative = coin();
        const int kind = below(100);
        if (kind < 2) return f;  // zero
        if (kind < 7) {
            f.significand = (significand() >> (1 + below(63))) | (kind == 2 ? 1 : 0);
            return f;
        }
        f.exponent = static_cast<std::uint16_t>(exponent());
        f.significand = significand();
        return f;
    }

    // A value near `other`: a nearby exponent for ties and carries, or the
    // same value slightly changed for cancellations.
    Fields near(const Fields& other)
    {
        Fields f = finite();
        if (other.exponent == 0 || f.exponent == 0 || coin()) return f;
        const int exponent = other.exponent - below(70);
        f.exponent = static_cast<std::uint16_t>(exponent < 1 ? 1 : exponent);
        if (below(4) == 0) {
            f.exponent = other.exponent;
            f.significand = other.significand ^ (bits() >> below(64));
            f.significand |= 1ULL << 63;
        }
        return f;
    }

    // A pair whose product or quotient lands near the overflow or underflow
    // threshold, or among the subnormals.
    Fields partnerNearThresholds(const Fields& a, bool forDivision)
    {
        Fields b = finite();
        if (a.exponent == 0 || b.exponent == 0 || coin()) return b;
        // a x b has the biased exponent a + b - 16383; a / b has a - b + 16383.
        const int target = coin() ? 0x7FFE + below(3) - 1 : -below(70);
        const int exponent = forDivision ? a.exponent + 16383 - target : target + 16383 - a.exponent;
        if (exponent >= 1 && exponent <= 0x7FFE) b.exponent = static_cast<std::uint16_t>(exponent);
        return b;
    }

    Fields anyValue()
    {
        Fields f = finite();
        const int kind = below(100);
        if (kind == 0) f = {coin(), 0x7FFF, 1ULL << 63};               // infinity
        if (kind == 1) f = {coin(), 0x7FFF, (3ULL << 62) | bits() >> 2};  // not-a-number
        return f;
    }

    // Every class of double, with extra weight on the subnormals and the
    // values next to the limits.
    double anyDouble()
    {
        std::uint64_t pattern = bits();
        const std::uint64_t sign = pattern & (1ULL << 63);
        switch (below(8)) {
        case 0: return std::bit_cast<double>(sign);                               // zero
        case 1: return std::bit_cast<double>(sign | (pattern & ((1ULL << 52) - 1)));  // subnormal
        case 2: return std::bit_cast<double>(sign | (0x7FFULL << 52));            // infinity
        case 3: return std::bit_cast<double>(sign | (0x7FFULL << 52) | (pattern >> 13) | 1);  // NaN
        case 4: return std::bit_cast<double>(sign | ((0x7FEULL - below(3)) << 52) | (pattern >> 12));
        default: return std::bit_cast<double>(pattern);
        }
    }

    // A value whose rounding to a double is hard: ties at the 53rd bit, near
    // the double range's ends (overflow, subnormals, zero).
    Fields nearDoubleRange()
    {
        Fields f = finite();
        if (f.exponent == 0) return f;
        const int around[] = {16383, 16383 + 1023, 16383 - 1022, 16383 - 1074};
        f.exponent = static_cast<std::uint16_t>(around[below(4)] - 12 + below(24));
        if (coin()) f.significand = (f.significand & ~0x7FFULL) | 0x400;  // a tie
        return f;
    }

    // A value near an integer or halfway between two, within the 64-bit range.
    Fields nearInteger()
    {
        Fields f = finite();
        if (f.exponent == 0) return f;
        f.exponent = static_cast<std::uint16_t>(16383 - 3 + below(70));
        if (coin()) {
            const int fraction = 16383 + 63 - f.exponent;  // bits below the unit
            if (fraction > 0 && fraction < 64) {
                f.significand &= ~0ULL << fraction;
                f.significand |= 1ULL << (fraction - 1);  // exactly .5
            }
        }
        return f;
    }

private:
    std::uint64_t state_;
};

// ---- The runs ---------------------------------------------------------------

// Counts the differences and prints the first few. The description is
// only built for a difference: building it every time would cost more than
// the operations.
class DifferenceCount {
public:
    template <typename Describe>
    void check(bool same, Describe describeCase)
    {
        if (same) return;
        if (++differences_ <= 10) ADD_FAILURE() << describeCase();
    }
    long long differences() const { return differences_; }

private:
    long long differences_ = 0;
};

enum class Arithmetic { Add, Subtract, Multiply, Divide };

void compareArithmetic(Arithmetic kind, std::uint64_t seed)
{
    OperandSource source(seed);
    DifferenceCount count;
    const long long n = operationsPerKind();
    for (long long i = 0; i < n; ++i) {
        const bool special = source.below(50) == 0;
        const Fields a = special ? source.anyValue() : source.finite();
        Fields b;
        if (special) b = source.anyValue();
        else if (kind == Arithmetic::Add || kind == Arithmetic::Subtract) b = source.near(a);
        else b = source.partnerNearThresholds(a, kind == Arithmetic::Divide);
        if (source.below(8) == 0) b.negative = !b.negative;

        const volatile long double x = hardwareValue(a), y = hardwareValue(b);
        volatile long double hardware = 0;
        const Fault hardwareFlags = hardwareFault([&] {
            switch (kind) {
            case Arithmetic::Add: hardware = x + y; break;
            case Arithmetic::Subtract: hardware = x - y; break;
            case Arithmetic::Multiply: hardware = x * y; break;
            case Arithmetic::Divide: hardware = x / y; break;
            }
        });
        const SoftwareExtended p = softwareValue(a), q = softwareValue(b);
        SoftwareExtended software;
        switch (kind) {
        case Arithmetic::Add: software = p + q; break;
        case Arithmetic::Subtract: software = p - q; break;
        case Arithmetic::Multiply: software = p * q; break;
        case Arithmetic::Divide: software = p / q; break;
        }

        const Fields expected = fieldsOf(static_cast<long double>(hardware));
        const Fields got = fieldsOf(software);
        const auto what = [&] {
            return describe(a) + " op " + describe(b) + ": hardware " + describe(expected) +
                   ", software " + describe(got);
        };
        count.check(sameValue(expected, got), what);
        if (!special) {
            const bool zeroDivisor = kind == Arithmetic::Divide && b.exponent == 0 && b.significand == 0;
            count.check(softwareFault(got, zeroDivisor) == hardwareFlags,
                        [&] { return "fault of " + what(); });
        }
    }
    EXPECT_EQ(count.differences(), 0) << "of " << n << " operations";
}

TEST(SoftwareExtendedMatchesHardware, Addition) { compareArithmetic(Arithmetic::Add, 101); }
TEST(SoftwareExtendedMatchesHardware, Subtraction) { compareArithmetic(Arithmetic::Subtract, 202); }
TEST(SoftwareExtendedMatchesHardware, Multiplication) { compareArithmetic(Arithmetic::Multiply, 303); }
TEST(SoftwareExtendedMatchesHardware, Division) { compareArithmetic(Arithmetic::Divide, 404); }

TEST(SoftwareExtendedMatchesHardware, ConversionFromDoublesAndIntegers)
{
    OperandSource source(505);
    DifferenceCount count;
    const long long n = operationsPerKind();
    for (long long i = 0; i < n; ++i) {
        const double d = source.anyDouble();
        count.check(sameValue(fieldsOf(static_cast<long double>(d)), fieldsOf(SoftwareExtended(d))),
                    [&] { return "double " + std::to_string(d); });
        const auto wide = static_cast<std::int64_t>(source.bits() >> source.below(64));
        const std::int64_t integer = source.coin() ? -wide : wide;
        count.check(sameValue(fieldsOf(static_cast<long double>(integer)),
                              fieldsOf(SoftwareExtended(integer))),
                    [&] { return "integer " + std::to_string(integer); });
    }
    EXPECT_EQ(count.differences(), 0) << "of " << n << " conversions";
}

TEST(SoftwareExtendedMatchesHardware, RoundingToDouble)
{
    OperandSource source(606);
    DifferenceCount count;
    const long long n = operationsPerKind();
    for (long long i = 0; i < n; ++i) {
        const Fields value = source.below(4) == 0 ? source.anyValue() : source.nearDoubleRange();
        const volatile long double x = hardwareValue(value);
        volatile double hardware = 0;
        const Fault hardwareFlags = hardwareFault([&] { hardware = static_cast<double>(x); });
        const double software = static_cast<double>(softwareValue(value));

        const double h = hardware;
        const bool same = (std::isnan(h) && std::isnan(software)) ||
                          std::bit_cast<std::uint64_t>(h) == std::bit_cast<std::uint64_t>(software);
        count.check(same, [&] { return "to double " + describe(value); });
        // A finite value beyond the double range is the store's overflow.
        const bool finite = !isNaN(value) && value.exponent != 0x7FFF;
        if (finite) {
            const Fault softwareFlags = std::isinf(software) ? Fault::Overflow : Fault::None;
            count.check(softwareFlags == hardwareFlags,
                        [&] { return "fault to double " + describe(value); });
        }
    }
    EXPECT_EQ(count.differences(), 0) << "of " << n << " conversions";
}

TEST(SoftwareExtendedMatchesHardware, RoundingToIntegers)
{
    OperandSource source(707);
    DifferenceCount count;
    const long long n = operationsPerKind();
    for (long long i = 0; i < n; ++i) {
        const Fields value = source.below(10) == 0 ? source.anyValue() : source.nearInteger();
        const long double hardware = std::rint(hardwareValue(value));
        const SoftwareExtended software = softwareValue(value).roundedToIntegral();
        count.check(sameValue(fieldsOf(hardware), fieldsOf(software)),
                    [&] { return "rint " + describe(value); });
        if (std::fabs(hardware) < 0x1p63L) {
            count.check(static_cast<std::int64_t>(hardware) == static_cast<std::int64_t>(software),
                        [&] { return "to int64 " + describe(value); });
        }
        if (hardware >= 0 && hardware < 0x1p64L) {
            count.check(static_cast<std::uint64_t>(hardware) == static_cast<std::uint64_t>(software),
                        [&] { return "to uint64 " + describe(value); });
            count.check(static_cast<std::uint64_t>(hardware) ==
                            softwareValue(value).roundedToUnsigned(),
                        [&] { return "rounded to uint64 " + describe(value); });
            count.check(morvane::roundToUnsigned(hardwareValue(value)) ==
                            softwareValue(value).roundedToUnsigned(),
                        [&] { return "the model's rounding to uint64 " + describe(value); });
        }
    }
    EXPECT_EQ(count.differences(), 0) << "of " << n << " roundings";
}

TEST(SoftwareExtendedMatchesHardware, Comparisons)
{
    OperandSource source(808);
    DifferenceCount count;
    const long long n = operationsPerKind();
    for (long long i = 0; i < n; ++i) {
        const Fields a = source.anyValue();
        Fields b = source.coin() ? a : source.near(a);
        if (source.below(4) == 0) b.negative = !b.negative;
        const long double x = hardwareValue(a), y = hardwareValue(b);
        const SoftwareExtended p = softwareValue(a), q = softwareValue(b);
        const bool same = (x < y) == (p < q) && (x <= y) == (p <= q) && (x > y) == (p > q) &&
                          (x >= y) == (p >= q) && (x == y) == (p == q) && (x != y) == (p != q);
        count.check(same, [&] { return "compare " + describe(a) + " with " + describe(b); });
    }
    EXPECT_EQ(count.differences(), 0) << "of " << n << " comparisons";
}

}  // namespace
