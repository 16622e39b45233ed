// Worked cases of the parse rule, the formats and the numeric operations.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "checked_arithmetic.h"
#include "extended.h"
#include "failures.h"
#include "format_number.h"
#include "number_format_settings.h"
#include "numeric_ops.h"
#include "parse_number.h"

using namespace morvane;

namespace {

// Keeps a separator for one test and restores the previous settings after it.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : saved_(numberFormatSettings())
    {
        numberFormatSettings().decimalSeparator = separator;
    }
    ~SeparatorScope() { numberFormatSettings() = saved_; }

private:
    NumberFormatSettings saved_;
};

// Values built at run time, so no test result comes from constant folding.
Extended runtime(const char* text) { return parseNumber(text); }

struct ParseCase {
    const char* text;
    Extended expected;
};

TEST(ParseNumber, AcceptsTheTextsOfTheRule)
{
    const ParseCase cases[] = {
        {"  12  ", 12}, {"+5", 5},          {"-5", -5},     {"5.", 5},
        {".5", 0.5},    {".", 0},           {"1e3", 1000},  {"1E+3", 1000},
        {"1e", 1},      {"5e+", 5},         {"5e-", 5},     {"2.5", 2.5},
        {"0.25e1", 2.5}, {"250e-2", 2.5},   {"1e-4999", 0}, {"007", 7},
        {"1e0000000000000000003", 1000},  // leading exponent zeros are read on
        {"1e27", 1e27L}, {"123456789012345678", 123456789012345678.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseNumber(c.text), c.expected);
    }
}

TEST(ParseNumber, KeepsTheSignOfZero)
{
    EXPECT_TRUE(hasSignBit(parseNumber("-0")));
    EXPECT_TRUE(hasSignBit(parseNumber("-1e-4999")));
    EXPECT_FALSE(hasSignBit(parseNumber("0")));
}

TEST(ParseNumber, RejectsTextsOutsideTheRule)
{
    const char* const texts[] = {
        "",      " ",      "-",     "--5",    "+-5",   "e5",     "1,000", "\t12", "12\t",
        "1.2.3", "INF",    "NAN",   "0x10",   "1e5000", "1e4999", "1e5x",  "5 5",  "1e+-3",
        "½",     "١",      ". .",   "1 e3",   "+",     "e",     "1e-+3",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        try {
            parseNumber(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(ParseNumber, ExponentReadingStopsAtFiveHundred)
{
    // Exponent digits are read while the exponent is below 500: 4999 is read in
    // full (and overflows), 500 is read in full, 5000 and 50000 leave digits over.
    EXPECT_NEAR(static_cast<double>(parseNumber("1e500") / 1e500L), 1, 1e-18);
    EXPECT_NEAR(static_cast<double>(parseNumber("1e600") / 1e600L), 1, 1e-18);
    EXPECT_NEAR(static_cast<double>(parseNumber("1e-500") / 1e-500L), 1, 1e-18);
    EXPECT_THROW(parseNumber("1e5000"), EConvertError);
    EXPECT_THROW(parseNumber("1e50000"), EConvertError);
    EXPECT_THROW(parseNumber("1e4999"), EConvertError);
    EXPECT_EQ(parseNumber("1e-4999"), 0);
}

TEST(ParseNumber, RejectsDigitsBeyondTheExtendedRange)
{
    EXPECT_THROW(parseNumber(std::string(5000, '9')), EConvertError);
    // Overflowing digits stay invalid even though the scale would bring them back.
    EXPECT_THROW(parseNumber("." + std::string(6000, '9')), EConvertError);
    // Many zeros are harmless: the accumulator stays small.
    EXPECT_EQ(parseNumber("0." + std::string(6000, '0') + "1"), 0);
    EXPECT_EQ(parseNumber(std::string(6000, '0') + "1"), 1);
}

TEST(ParseNumber, UsesTheCommaSeparatorWhenSet)
{
    SeparatorScope comma(',');
    EXPECT_EQ(parseNumber("2,5"), 2.5);
    EXPECT_EQ(parseNumber(","), 0);
    EXPECT_THROW(parseNumber("2.5"), EConvertError);
    EXPECT_THROW(parseNumber("1,000,0"), EConvertError);
}

struct FixedCase {
    long double value;
    int decimals;
    const char* expected;
};

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheDigits)
{
    const FixedCase cases[] = {
        {22.5L, 0, "23"},    {0.5L, 0, "1"},      {0.4999L, 0, "0"},  {-0.3L, 0, "0"},
        {-2.5L, 0, "-3"},    {2.5L, 0, "3"},      {-0.5L, 0, "-1"},   {1e20L, 0, "1E20"},
        {0.05L, 1, "0.1"},   {0.04L, 1, "0.0"},   {9.96L, 1, "10.0"}, {35, 1, "35.0"},
        {0.25L, 1, "0.3"},   {0.96L, 1, "1.0"},   {-15, 1, "-15.0"},  {-0.04L, 1, "0.0"},
        {0, 1, "0.0"},       {-0.0L, 0, "0"},     {1e18L, 0, "1E18"}, {1.5e19L, 1, "1.5E19"},
        {999999999999999999.0L, 0, "999999999999999999"},
        {0.0625L, 3, "0.063"}, {0.005L, 2, "0.01"}, {123.456L, 18, "123.456000000000000000"},
        {1e-30L, 1, "0.0"},  {99.95L, 1, "100.0"}, {1234567.0L, 0, "1234567"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected);
    }
}

TEST(FormatFixed, UsesTheCommaSeparatorWhenSet)
{
    SeparatorScope comma(',');
    EXPECT_EQ(formatFixed(35, 1), "35,0");
    EXPECT_EQ(formatGeneral(12.5L), "12,5");
    EXPECT_EQ(formatGeneral(1.5e20L), "1,5E20");
}

struct GeneralCase {
    Extended value;
    const char* expected;
};

TEST(FormatGeneral, WritesAtMostFifteenDigits)
{
    const Extended third = runtime("10") / runtime("3");
    const GeneralCase cases[] = {
        {25, "25"},
        {runtime("1.1") * 3, "3.3"},
        {third, "3.33333333333333"},
        {123456789012345.0L, "123456789012345"},
        {1e15L, "1E15"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {0.001234L, "0.001234"},
        {-0.0L, "0"},
        {1.5e20L, "1.5E20"},
        {1200, "1200"},
        {12.5L, "12.5"},
        {-42.5L, "-42.5"},
        {1e-4940L, "0"},  // subnormal
        {0x1p-681L, "9.96719495109757E-206"},  // first digit estimate one too high
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatGeneral(c.value), c.expected);
    }
}

TEST(FormatPercent, AppendsThePercentSign)
{
    const GeneralCase cases[] = {
        {28.57L, "29%"}, {-42.86L, "-43%"}, {-0.2L, "0%"}, {50, "50%"}, {0, "0%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatPercent(c.value), c.expected);
    }
}

TEST(FormatNumber, AppliesTheFormatStrings)
{
    EXPECT_EQ(formatNumber("%.0f", 22.5L), "23");
    EXPECT_EQ(formatNumber("%.f", 22.5L), "23");
    EXPECT_EQ(formatNumber("%.1f", 35), "35.0");
    EXPECT_EQ(formatNumber("%.f%s", 28.57L, '%'), "29%");
    EXPECT_EQ(formatNumber("%f", 1), "1.00");       // no precision: 2 decimals
    EXPECT_EQ(formatNumber("%.19f", 1), "1.00");    // above 18: 2 decimals
    EXPECT_EQ(formatNumber("%.1F mm", 2.25L), "2.3 mm");
    EXPECT_EQ(formatNumber("100%% of %.0f", 7), "100% of 7");
    EXPECT_THROW(formatNumber("%d", 1), EConvertError);
    EXPECT_THROW(formatNumber("%.1f%s", 1), EConvertError);  // no character given
    EXPECT_THROW(formatNumber("%.1f%.1f", 1), EConvertError);
    EXPECT_THROW(formatNumber("50%", 1), EConvertError);
}

TEST(RoundToInteger, RoundsTiesToEven)
{
    const std::pair<Extended, std::int64_t> cases[] = {
        {2.5L, 2},     {3.5L, 4},     {-2.5L, -2},  {166.5L, 166}, {167.5L, 168},
        {166.7L, 167}, {-0.4L, 0},    {0x1p62L, std::int64_t{1} << 62},
        {-0x1p63L, std::numeric_limits<std::int64_t>::min()},
        {0x1p63L - 1, std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_EQ(roundToInteger(value), expected);
    }
}

TEST(RoundToUnsigned, RoundsTiesToEvenUpTo2To64)
{
    const std::uint64_t twoTo62 = std::uint64_t{1} << 62, twoTo63 = std::uint64_t{1} << 63;
    const Extended ulpBelowHalf = Extended(1) / Extended(twoTo63) / 4;  // 2^-65
    const struct {
        const char* name;
        Extended value;
        std::uint64_t expected;
    } cases[] = {
        {"0", Extended(0), 0},
        {"just below 0.5 goes down", Extended(0.5) - ulpBelowHalf, 0},
        {"0.5 goes to the even 0", Extended(0.5), 0},
        {"just above 0.5 goes up", Extended(0.5) + 2 * ulpBelowHalf, 1},
        {"1.5 goes to the even 2", Extended(1.5), 2},
        {"2.5 goes to the even 2", Extended(2.5), 2},
        {"123456789.5 goes up to the even", Extended(123456789) + 0.5, 123456790},
        {"2^62 + 0.5 keeps the even 2^62", Extended(twoTo62) + 0.5, twoTo62},
        {"2^62 + 1.5 goes to 2^62 + 2", Extended(twoTo62) + 1.5, twoTo62 + 2},
        {"2^63 - 1.5 goes to 2^63 - 2", Extended(twoTo63 - 1) - 0.5, twoTo63 - 2},
        {"2^63 - 1", Extended(twoTo63 - 1), twoTo63 - 1},
        {"2^63 - 0.5 goes up to the even 2^63", Extended(twoTo63 - 1) + 0.5, twoTo63},
        {"2^63", Extended(twoTo63), twoTo63},
        {"2^63 + 1", Extended(twoTo63 + 1), twoTo63 + 1},
        {"10^19 - 1", Extended(std::uint64_t{9999999999999999999u}), 9999999999999999999u},
        {"2^64 - 1", Extended(~std::uint64_t{0}), ~std::uint64_t{0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(roundToUnsigned(c.value), c.expected);
    }
}

TEST(RoundToInteger, RaisesInvalidOperationOutsideTheRange)
{
    for (Extended value : {Extended{0x1p63L}, Extended{-0x1p63L - 1}, Extended{1e30L},
                           runtime("1e4000"), std::numeric_limits<Extended>::quiet_NaN()}) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_THROW(roundToInteger(value), EInvalidOp);
    }
}

TEST(Maximum, ReturnsTheSecondArgumentOnEquality)
{
    EXPECT_EQ(maximum(Extended{150}, Extended{165}), 165);
    EXPECT_EQ(maximum(Extended{-3}, Extended{0}), 0);
    // Equal arguments: the second one, told apart here by the sign of zero.
    EXPECT_TRUE(hasSignBit(maximum(Extended{0.0}, Extended{-0.0})));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(maximum(Extended{1}, Extended{nan}), EInvalidOp);
}

TEST(CheckedArithmetic, RaisesTheFloatingPointFailures)
{
    const Extended zero = runtime("0"), one = runtime("1"), huge = runtime("1e4000");
    EXPECT_THROW(checkedDivide(one, zero), EZeroDivide);
    EXPECT_THROW(checkedDivide(-one, -zero), EZeroDivide);
    EXPECT_THROW(checkedDivide(zero, zero), EInvalidOp);
    EXPECT_THROW(checkedMultiply(huge, huge), EOverflow);
    EXPECT_THROW(checkedDivide(huge, runtime("1e-4000")), EOverflow);
    EXPECT_THROW(checkedAdd(std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::max()), EOverflow);
    EXPECT_THROW(checkedSubtract(-std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::max()), EOverflow);
    EXPECT_THROW(storeAsDouble(runtime("1e400")), EOverflow);
    EXPECT_THROW(storeAsDouble(runtime("-1e400")), EOverflow);
    // Too small for a double: becomes zero or subnormal, no failure.
    EXPECT_EQ(storeAsDouble(runtime("1e-400")), 0.0);
    EXPECT_EQ(storeAsDouble(runtime("4e-320")), 4e-320);
    EXPECT_EQ(checkedDivide(runtime("1e-4000"), runtime("1e4000")), 0);
    EXPECT_EQ(storeAsDouble(runtime("0.1")), 0.1);
}

TEST(Failures, CarryTheirFixedMessagesAndClassNames)
{
    const EZeroDivide zeroDivide;
    const EInvalidOp invalidOp;
    const EOverflow overflow;
    const std::pair<const Exception*, std::pair<const char*, const char*>> cases[] = {
        {&zeroDivide, {"EZeroDivide", "Floating point division by zero"}},
        {&invalidOp, {"EInvalidOp", "Invalid floating point operation"}},
        {&overflow, {"EOverflow", "Floating point overflow"}},
    };
    for (const auto& [failure, expected] : cases) {
        EXPECT_STREQ(failure->className(), expected.first);
        EXPECT_EQ(failure->message(), expected.second);
    }
    EXPECT_NE(dynamic_cast<const EMathError*>(&overflow), nullptr);
    EXPECT_NE(dynamic_cast<const EExternal*>(&overflow), nullptr);
}

}  // namespace
