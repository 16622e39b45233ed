// SoftwareExtended on worked cases whose exact results are known, so these
// run on every processor (the comparison with the x87 unit needs one).

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "software_extended.h"

namespace {

using morvane::SoftwareExtended;
using Limits = std::numeric_limits<SoftwareExtended>;

constexpr std::uint16_t kOne = 16383;  // the exponent field of 1.0
constexpr std::uint64_t kLead = 1ULL << 63;

struct FieldsCase {
    const char* name;
    SoftwareExtended value;
    bool negative;
    std::uint16_t exponent;
    std::uint64_t significand;
};

SoftwareExtended power2(int exponent)
{
    return SoftwareExtended::fromFields(false, static_cast<std::uint16_t>(kOne + exponent), kLead);
}

TEST(SoftwareExtended, RoundsEveryOperationToNearestTiesToEven)
{
    const SoftwareExtended one = 1, three = 3, twoTo63 = 0x1p63;
    const SoftwareExtended smallestNormal = Limits::min();
    const FieldsCase cases[] = {
        {"1 / 3 rounds up", one / three, false, kOne - 2, 0xAAAAAAAAAAAAAAABULL},
        {"2 / 3 rounds up", SoftwareExtended(2) / three, false, kOne - 1, 0xAAAAAAAAAAAAAAABULL},
        {"-1 / 3", -one / three, true, kOne - 2, 0xAAAAAAAAAAAAAAABULL},
        {"2^63 + 0.5 keeps the even 2^63", twoTo63 + 0.5, false, kOne + 63, kLead},
        {"2^63 + 1.5 goes to the even 2^63 + 2", twoTo63 + 1.5, false, kOne + 63, kLead + 2},
        {"2^63 + 0.75 rounds up", twoTo63 + 0.75, false, kOne + 63, kLead + 1},
        {"(2^64 - 1) + 1 carries", SoftwareExtended(~0ULL) + 1, false, kOne + 64, kLead},
        {"2^63 - 0.25 rounds to 2^63", twoTo63 - 0.25, false, kOne + 63, kLead},
        {"(2^32 + 1)^2 drops its last bit",
         SoftwareExtended(0x100000001ULL) * SoftwareExtended(0x100000001ULL) * SoftwareExtended(0x1p31),
         false, kOne + 95, 0x8000000100000000ULL},
        {"x - x is +0", SoftwareExtended(5) - SoftwareExtended(5), false, 0, 0},
        {"-0 + -0 is -0", SoftwareExtended(-0.0) + SoftwareExtended(-0.0), true, 0, 0},
        {"cancellation is exact", SoftwareExtended(1.0000000000000002) - one, false, kOne - 52, kLead},
        {"2^-16382 / 4 is subnormal", smallestNormal / 4, false, 0, kLead >> 2},
        {"2^-16382 / 3 rounds on the subnormal grid", smallestNormal / 3, false, 0,
         0x2AAAAAAAAAAAAAABULL},
        {"the smallest subnormal halved ties to zero", Limits::denorm_min() / 2, false, 0, 0},
        {"three halves of it round to two", Limits::denorm_min() * 1.5, false, 0, 2},
        {"max x 2 overflows", Limits::max() * 2, false, 0x7FFF, kLead},
        {"-max - max overflows", Limits::lowest() - Limits::max(), true, 0x7FFF, kLead},
        {"1 / 0 is infinite", one / SoftwareExtended(0), false, 0x7FFF, kLead},
        {"1 / -0 is -infinity", one / SoftwareExtended(-0.0), true, 0x7FFF, kLead},
        {"2^16000 x 2^-16000 is 1", power2(16000) * power2(-16000), false, kOne, kLead},
    };
    for (const FieldsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value.negative(), c.negative);
        EXPECT_EQ(c.value.exponentField(), c.exponent);
        EXPECT_EQ(c.value.significand(), c.significand);
    }
}

TEST(SoftwareExtended, InvalidOperationsGiveNotANumber)
{
    const SoftwareExtended zero = 0, infinity = Limits::infinity();
    for (const SoftwareExtended result :
         {zero / zero, infinity - infinity, infinity * zero, infinity / infinity,
          Limits::quiet_NaN() + 1}) {
        EXPECT_TRUE(result.isNaN());
    }
}

TEST(SoftwareExtended, ConvertsFromAndToDoubles)
{
    const double values[] = {0.1, -2.5, 0x1p-1074, 0x1.fffffffffffffp1023, 1e-310, 123456789.125};
    for (const double value : values) {
        SCOPED_TRACE(value);
        EXPECT_EQ(static_cast<double>(SoftwareExtended(value)), value);  // exact both ways
    }
    // Rounding to 53 bits: ties to even, a carry, and the range's ends.
    EXPECT_EQ(static_cast<double>(SoftwareExtended(0x1p53) + 1), 0x1p53);
    EXPECT_EQ(static_cast<double>(SoftwareExtended(0x1p53) + 3), 0x1p53 + 4);
    EXPECT_EQ(static_cast<double>(SoftwareExtended(~0ULL)), 0x1p64);
    EXPECT_EQ(static_cast<double>(SoftwareExtended(0x1p-1074) / 2), 0.0);
    EXPECT_EQ(static_cast<double>(SoftwareExtended(0x1p-1074) * 0.75), 0x1p-1074);
    EXPECT_EQ(static_cast<double>(power2(1024)), std::numeric_limits<double>::infinity());
    EXPECT_EQ(static_cast<double>(-power2(1024)), -std::numeric_limits<double>::infinity());
}

TEST(SoftwareExtended, RoundsToIntegersTiesToEven)
{
    const struct {
        double value;
        std::int64_t rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {166.5, 166}, {167.5, 168}, {0.5, 0},
                 {0.75, 1}, {-0.3, 0}, {1e15 + 0.5, 1000000000000000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const SoftwareExtended rounded = SoftwareExtended(c.value).roundedToIntegral();
        EXPECT_EQ(static_cast<std::int64_t>(rounded), c.rounded);
    }
    EXPECT_TRUE(SoftwareExtended(-0.3).roundedToIntegral().negative());  // -0
    EXPECT_EQ(static_cast<std::int64_t>(SoftwareExtended(-0x1p63)),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(static_cast<std::uint64_t>(SoftwareExtended(~0ULL)), ~0ULL);
}

TEST(SoftwareExtended, ComparesLikeTheHardware)
{
    const SoftwareExtended nan = Limits::quiet_NaN();
    EXPECT_TRUE(SoftwareExtended(0.0) == SoftwareExtended(-0.0));
    EXPECT_TRUE(SoftwareExtended(-2) < SoftwareExtended(-1));
    EXPECT_TRUE(Limits::denorm_min() > 0);
    EXPECT_TRUE(-Limits::infinity() < Limits::lowest());
    EXPECT_FALSE(nan == nan);
    EXPECT_TRUE(nan != nan);
    EXPECT_FALSE(nan < 1 || nan > 1 || nan <= 1 || nan >= 1);
}

}  // namespace
