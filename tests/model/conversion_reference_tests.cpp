// The conversions checked against exact integer arithmetic on seeded random
// inputs: the power-of-ten table, the scaling, the parse rule step by step,
// and the fixed and general formats against the exact decimal expansion.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "exact_reference.h"
#include "failures.h"
#include "format_number.h"
#include "parse_number.h"
#include "power_of_ten.h"

using namespace morvane;
using exact::BigUint;
using exact::ExtendedParts;

namespace {

// The reference works on long double, which holds every extended value
// exactly on the processors the tests run on (x86-64 and aarch64).
void expectSameExtended(Extended actual, const ExtendedParts& expected, const std::string& what)
{
    const ExtendedParts got = ExtendedParts::of(static_cast<long double>(actual));
    EXPECT_EQ(got.infinite, expected.infinite) << what;
    EXPECT_EQ(got.negative, expected.negative) << what;
    if (!expected.infinite) {
        EXPECT_EQ(got.significand, expected.significand) << what;
        if (expected.significand != 0) {
            EXPECT_EQ(got.exponent, expected.exponent) << what;
        }
    }
}

const ExtendedParts& referencePowerOfTen(int exponent)
{
    static std::map<int, ExtendedParts> cache;
    auto it = cache.find(exponent);
    if (it == cache.end()) it = cache.emplace(exponent, exact::nearestPowerOfTen(exponent)).first;
    return it->second;
}

std::vector<int> tableExponents()
{
    std::vector<int> exponents;
    for (int i = 0; i < 32; ++i) exponents.push_back(i);
    for (int j = 1; j < 16; ++j) exponents.push_back(32 * j);
    for (int k = 1; k < 10; ++k) exponents.push_back(512 * k);
    return exponents;
}

TEST(PowerOfTenTable, HoldsTheNearestExtendedValues)
{
    for (int exponent : tableExponents())
        expectSameExtended(tablePowerOfTen(exponent), referencePowerOfTen(exponent),
                           "10^" + std::to_string(exponent));
}

TEST(PowerOfTenTable, IsExactUpToTenToTheTwentySeventh)
{
    for (int exponent = 0; exponent <= 27; ++exponent) {
        const ExtendedParts parts = ExtendedParts::of(static_cast<long double>(tablePowerOfTen(exponent)));
        const BigUint value = parts.exponent >= 0
                                  ? parts.magnitude().shiftedLeft(parts.exponent)
                                  : parts.magnitude().shiftedRight(-parts.exponent);
        EXPECT_EQ(value.decimal(), "1" + std::string(exponent, '0'));
    }
}

// The scaling, each step rounded exactly.
ExtendedParts referenceScale(ExtendedParts x, int n)
{
    if (n == 0) return x;
    const int m = std::abs(n);
    const int steps[3] = {m % 32, 32 * ((m / 32) % 16), 512 * (m / 512)};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && steps[i] == 0) continue;
        if (x.infinite) return x;
        const ExtendedParts& power = referencePowerOfTen(steps[i]);
        x = n > 0 ? exact::exactProduct(x, power) : exact::exactQuotient(x, power);
    }
    return x;
}

long double randomExtended(std::mt19937_64& random, int minExponent, int maxExponent)
{
    const std::uint64_t significand = random() | (std::uint64_t{1} << 63);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    const long double value = std::ldexp(static_cast<long double>(significand), exponent(random) - 63);
    return (random() & 1) ? -value : value;
}

TEST(ScaleByPowerOfTen, RoundsEachStepToNearest)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> power(-5119, 5119);
    for (int i = 0; i < 3000; ++i) {
        const long double x = randomExtended(random, -200, 200);
        const int n = power(random);
        expectSameExtended(scaleByPowerOfTen(x, n), referenceScale(ExtendedParts::of(x), n),
                           "x=" + std::to_string(static_cast<double>(x)) + " n=" + std::to_string(n));
    }
}

// A text of the parse rule's grammar, with the parts it is made of.
struct GeneratedText {
    std::string text;
    std::string digits;  // integer and fraction digits in order
    int fractionDigits = 0;
    int exponent = 0;  // signed, as written
    bool negative = false;
};

std::string randomDigits(std::mt19937_64& random, int maxCount)
{
    std::string digits(std::uniform_int_distribution<int>(0, maxCount)(random), '0');
    for (char& c : digits) c = static_cast<char>('0' + random() % 10);
    return digits;
}

GeneratedText randomNumberText(std::mt19937_64& random)
{
    GeneratedText g;
    g.text.append(random() % 3, ' ');
    const int signChoice = static_cast<int>(random() % 3);
    if (signChoice == 1) g.text += '+';
    if (signChoice == 2) g.text += '-';
    g.negative = signChoice == 2;
    const std::string whole = randomDigits(random, 25);
    g.text += whole;
    g.digits = whole;
    if (whole.empty() || random() % 2) {
        const std::string fraction = randomDigits(random, 25);
        g.text += '.';
        g.text += fraction;
        g.digits += fraction;
        g.fractionDigits = static_cast<int>(fraction.size());
    }
    if (random() % 2) {
        g.text += (random() % 2) ? 'e' : 'E';
        const int exponent = static_cast<int>(random() % 499);
        const bool negativeExponent = random() % 2;
        if (negativeExponent) g.text += '-';
        else if (random() % 2) g.text += '+';
        g.text += std::to_string(exponent);
        g.exponent = negativeExponent ? -exponent : exponent;
    }
    g.text.append(random() % 3, ' ');
    return g;
}

// The parse rule with every step rounded exactly; infinite means invalid.
ExtendedParts referenceParse(const GeneratedText& g)
{
    ExtendedParts accumulator;  // zero
    for (char c : g.digits) {
        // accumulator * 10, rounded; then + digit, rounded again.
        BigUint tenfold = accumulator.magnitude();
        tenfold.multiplySmall(10);
        accumulator = exact::roundToExtended(tenfold, accumulator.exponent, false);
        const BigUint digit(static_cast<unsigned>(c - '0'));
        const int e = accumulator.exponent;
        BigUint sum = e >= 0 ? accumulator.magnitude().shiftedLeft(e) : accumulator.magnitude();
        sum.add(e >= 0 ? digit : digit.shiftedLeft(-e));
        accumulator = exact::roundToExtended(sum, e >= 0 ? 0 : e, false);
        if (accumulator.infinite) return accumulator;
    }
    accumulator = referenceScale(accumulator, g.exponent - g.fractionDigits);
    accumulator.negative = g.negative;
    return accumulator;
}

TEST(ParseNumber, FollowsTheRuleStepByStep)
{
    std::mt19937_64 random(987654321);
    for (int i = 0; i < 20000; ++i) {
        const GeneratedText g = randomNumberText(random);
        const ExtendedParts expected = referenceParse(g);
        if (expected.infinite) {
            EXPECT_THROW(parseNumber(g.text), EConvertError) << g.text;
            continue;
        }
        Extended actual = 0;
        ASSERT_NO_THROW(actual = parseNumber(g.text)) << g.text;
        expectSameExtended(actual, expected, g.text);
    }
}

// The exact value's significant digits rounded half away from zero to `keep`
// digits. nearTie marks values so close to the halfway point that the
// 18-digit working rounding of the format may decide differently.
struct RoundedDigits {
    std::string digits;  // no trailing zeros; empty for zero
    int exponent = 0;    // digits before the decimal point
    bool nearTie = false;
};

RoundedDigits roundSignificant(const exact::ExactDecimal& x, int keep)
{
    RoundedDigits r;
    const std::string& s = x.digits;
    if (s == "0" || keep < 0) return r;
    r.exponent = static_cast<int>(s.size()) - x.fractionDigits;
    if (keep >= static_cast<int>(s.size())) {
        r.digits = s;
    } else {
        r.digits = s.substr(0, static_cast<std::size_t>(keep));
        const std::string tail = s.substr(static_cast<std::size_t>(keep));
        // The tail as a fraction of one unit in the last kept place, to the
        // 18th significant digit and one beyond, compared with one half.
        const int places = 18 - keep + 1;
        unsigned __int128 scaledTail = 0, half = 5;
        for (int i = 0; i < places; ++i) {
            scaledTail = scaledTail * 10 + (i < static_cast<int>(tail.size()) ? tail[i] - '0' : 0);
            if (i > 0) half *= 10;
        }
        const unsigned __int128 distance = scaledTail > half ? scaledTail - half : half - scaledTail;
        r.nearTie = distance <= 20;
        if (tail[0] >= '5') {
            int i = keep - 1;
            while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
            if (i < 0) {
                r.digits = "1";
                ++r.exponent;
            } else {
                ++r.digits[i];
            }
        }
    }
    while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
    return r;
}

int decimalExponent(const exact::ExactDecimal& x)
{
    return static_cast<int>(x.digits.size()) - x.fractionDigits;
}

// value * 10^decimals rounded half away from zero, written with the point put back.
std::string expectedFixed(const RoundedDigits& r, bool negative, int decimals)
{
    if (r.digits.empty()) return decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    std::string scaled = r.digits;
    scaled.append(static_cast<std::size_t>(r.exponent + decimals) - r.digits.size(), '0');
    if (static_cast<int>(scaled.size()) <= decimals)
        scaled.insert(0, static_cast<std::size_t>(decimals + 1) - scaled.size(), '0');
    std::string text = (negative ? "-" : "") + scaled.substr(0, scaled.size() - decimals);
    if (decimals > 0) text += "." + scaled.substr(scaled.size() - decimals);
    return text;
}

std::string expectedGeneral(const RoundedDigits& r, bool negative)
{
    if (r.digits.empty()) return "0";
    std::string text = negative ? "-" : "";
    const int e = r.exponent;
    const int count = static_cast<int>(r.digits.size());
    if (e > 15 || e < -3) {
        text += r.digits.substr(0, 1);
        if (count > 1) text += "." + r.digits.substr(1);
        return text + "E" + std::to_string(e - 1);
    }
    if (e <= 0) return text + "0." + std::string(-e, '0') + r.digits;
    if (count <= e) return text + r.digits + std::string(e - count, '0');
    return text + r.digits.substr(0, e) + "." + r.digits.substr(e);
}

TEST(FormatFixed, MatchesTheExactDecimalExpansion)
{
    std::mt19937_64 random(31415926);
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const long double value = randomExtended(random, -40, 48);
        const int decimals = static_cast<int>(random() % 3);
        const exact::ExactDecimal x = exact::exactDecimal(value);
        const int keep = decimalExponent(x) + decimals;
        ASSERT_LT(keep, 18);
        const RoundedDigits r = roundSignificant(x, keep);
        if (r.nearTie) continue;
        ++checked;
        EXPECT_EQ(formatFixed(value, decimals), expectedFixed(r, value < 0, decimals))
            << x.digits << " / 10^" << x.fractionDigits;
    }
    EXPECT_GT(checked, 19000);
}

TEST(FormatGeneral, MatchesTheExactDecimalExpansion)
{
    std::mt19937_64 random(27182818);
    int checked = 0;
    for (int i = 0; i < 6000; ++i) {
        // Mostly values a result label shows, and some far out in the range.
        const bool wide = i % 4 == 0;
        const long double value = wide ? randomExtended(random, -1100, 1100)
                                       : randomExtended(random, -20, 60);
        const exact::ExactDecimal x = exact::exactDecimal(value);
        const RoundedDigits r = roundSignificant(x, 15);
        if (r.nearTie) continue;
        ++checked;
        EXPECT_EQ(formatGeneral(value), expectedGeneral(r, value < 0))
            << x.digits << " / 10^" << x.fractionDigits;
    }
    EXPECT_GT(checked, 5900);
}

// Decimal texts of at most 15 significant digits come back unchanged from
// the fixed format with as many decimals as they have.
TEST(FormatFixed, WritesShortDecimalTextsBackUnchanged)
{
    std::mt19937_64 random(1618033);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(random() % 4);
        const int wholeDigits = static_cast<int>(random() % (16 - decimals));
        std::string whole = std::to_string(random() % 9 + 1);
        for (int d = 1; d < wholeDigits; ++d) whole += static_cast<char>('0' + random() % 10);
        if (wholeDigits == 0) whole = "0";
        std::string text = (random() % 2 ? "-" : "") + whole;
        if (decimals > 0) {
            text += '.';
            for (int d = 0; d < decimals; ++d) text += static_cast<char>('0' + random() % 10);
        }
        const Extended value = parseNumber(text);
        const std::string expected =
            value == 0 && text[0] == '-' ? text.substr(1) : text;  // zero has no sign
        EXPECT_EQ(formatFixed(value, decimals), expected);
    }
}

}  // namespace
