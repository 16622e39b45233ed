// What the detectors showed, turned back into deficits and daily crop water
// uses, and the answer in words. The expected ends were worked by hand:
// bound(x) = (A / x - (DETECT - FC)) x Z as an exact fraction, then rounded
// to a 64-bit significand at each step (with FC and DETECT the doubles
// nearest their decimals) and to a double where held; a daily use is that
// double divided by N, rounded the same way.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "detector_answer.h"
#include "detector_answer_sentences.h"
#include "number_format_settings.h"

using namespace morvane;

namespace {

constexpr auto up = FloatPosition::up;
constexpr auto down = FloatPosition::down;
constexpr SoilRecord kOwnSoil{0.2, 0.1, 0.23, 0.3};

// The default inputs: A 25, Z 500, N 5, D 25.
constexpr IrrigationValues kDefaults{25, 500, 5, 25};

// Light soil, DETECT - FC = 0.04 (the doubles differ by a hair more):
//   bound(165) = (5/33 - 1/25) x 500 = 46000/825 = 55.7575...  -> 55.757575757575765
//   bound(335) = (5/67 - 1/25) x 500 = 29000/1675 = 17.3134... -> 17.313432835820905
// Heavy soil, DETECT - FC = 0.02:
//   bound(165) = 217 x 500 / 1650 = 65.7575...                 -> 65.757575757575751
//   bound(335) = 183 x 500 / 3350 = 27.3134...                 -> 27.313432835820887
constexpr double kLight165 = 55.757575757575765, kLight335 = 17.313432835820905;
constexpr double kHeavy165 = 65.757575757575751, kHeavy335 = 27.313432835820887;
// The same divided by N = 5.
constexpr double kLight165PerDay = 11.151515151515152, kLight335PerDay = 3.4626865671641811;
constexpr double kHeavy165PerDay = 13.15151515151515, kHeavy335PerDay = 5.4626865671641776;

constexpr std::optional<double> kNone;
constexpr double kNoDailyUse = -1;  // marks a case without a daily use range

struct AnswerCase {
    const char* name;
    SoilRecord soil;
    IrrigationValues values;
    std::vector<DetectorReading> readings;
    bool contradiction;  // then the rest is not read
    double lower;
    std::optional<double> upper;
    double dailyLower;  // kNoDailyUse: none
    std::optional<double> dailyUpper;
    EstimateVerdict estimate;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class SoilAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(SoilAnswerTest, RangesAndVerdict)
{
    const AnswerCase& c = GetParam();
    const std::optional<SoilAnswer> answer = soilAnswer(c.soil, c.values, c.readings);
    ASSERT_EQ(!answer.has_value(), c.contradiction);
    if (!answer) return;
    EXPECT_EQ(answer->deficit.lower, c.lower);
    EXPECT_EQ(answer->deficit.upper, c.upper);
    if (c.dailyLower == kNoDailyUse) {
        EXPECT_FALSE(answer->cropWaterUse.has_value());
    } else {
        ASSERT_TRUE(answer->cropWaterUse.has_value());
        EXPECT_EQ(answer->cropWaterUse->lower, c.dailyLower);
        EXPECT_EQ(answer->cropWaterUse->upper, c.dailyUpper);
    }
    EXPECT_EQ(answer->estimate, c.estimate);
}

using enum EstimateVerdict;

const AnswerCase kAnswerCases[] = {
    {"LightShallowUpDeepDown", kLightSoil, kDefaults, {{165, up}, {335, down}}, false,
     kLight335, kLight165, kLight335PerDay, kLight165PerDay, right},
    {"LightBothUp", kLightSoil, kDefaults, {{165, up}, {335, up}}, false,
     0, kLight335, 0, kLight335PerDay, tooHigh},
    {"LightBothDown", kLightSoil, kDefaults, {{165, down}, {335, down}}, false,
     kLight165, kNone, kLight165PerDay, kNone, tooLow},
    // 55.76 < D <= 17.31: nothing.
    {"LightShallowDownDeepUp", kLightSoil, kDefaults, {{165, down}, {335, up}}, true,
     0, kNone, kNoDailyUse, kNone, right},
    {"HeavyShallowUpDeepDown", kHeavySoil, kDefaults, {{165, up}, {335, down}}, false,
     kHeavy335, kHeavy165, kHeavy335PerDay, kHeavy165PerDay, tooLow},
    {"HeavyBothUp", kHeavySoil, kDefaults, {{335, up}, {165, up}}, false,
     0, kHeavy335, 0, kHeavy335PerDay, right},
    {"HeavyBothDown", kHeavySoil, kDefaults, {{165, down}, {335, down}}, false,
     kHeavy165, kNone, kHeavy165PerDay, kNone, tooLow},
    {"HeavyShallowDownDeepUp", kHeavySoil, kDefaults, {{165, down}, {335, up}}, true,
     0, kNone, kNoDailyUse, kNone, right},
    // Root zone 299: the shallow detector at 150 mm alone.
    // (1/6 - 1/25) x 299 = 5681/150 = 37.8733..., per day 7.5746...
    {"NoDeepDetector", kLightSoil, {25, 299, 5, 25}, {{150, down}}, false,
     37.873333333333342, kNone, 7.5746666666666682, kNone, tooLow},
    {"NothingChecked", kLightSoil, kDefaults, {}, false, 0, kNone, 0, kNone, right},
    // No daily use without a positive number of days; D 0 is below the range.
    {"ZeroDays", kLightSoil, {25, 500, 0, 0}, {{165, up}, {335, down}}, false,
     kLight335, kLight165, kNoDailyUse, kNone, tooLow},
    {"NegativeDays", kLightSoil, {25, 500, -5, 25}, {{165, up}, {335, down}}, false,
     kLight335, kLight165, kNoDailyUse, kNone, right},
    // A 5: bound(165) = (1/33 - 1/25) x 500 = -4.85 and bound(335) = -12.54.
    // DOWN says D > -4.85: every deficit of 0 or more.
    {"DownBelowZeroAllowsEveryDeficit", kLightSoil, {5, 500, 5, 25}, {{165, down}, {335, down}},
     false, 0, kNone, 0, kNone, right},
    // UP says D <= -4.85: no deficit of 0 or more.
    {"UpBelowZeroContradicts", kLightSoil, {5, 500, 5, 25}, {{165, up}}, true,
     0, kNone, kNoDailyUse, kNone, right},
    // The estimate exactly on an end: an UP bound is allowed, a DOWN bound is not.
    {"EstimateOnTheUpperEnd", kLightSoil, {25, 500, 5, kLight165}, {{165, up}, {335, down}},
     false, kLight335, kLight165, kLight335PerDay, kLight165PerDay, right},
    {"EstimateOnTheLowerEnd", kLightSoil, {25, 500, 5, kLight335}, {{165, up}, {335, down}},
     false, kLight335, kLight165, kLight335PerDay, kLight165PerDay, tooLow},
    // FC 0.2, DETECT 0.23: (5/33 - 3/100) x 500 = 401 x 500 / 3300 = 60.7575...;
    // (5/67 - 3/100) x 500 = 299 x 500 / 6700 = 22.3134...
    {"OwnSoil", kOwnSoil, kDefaults, {{165, up}, {335, down}}, false,
     22.313432835820898, 60.757575757575758, 4.4626865671641793, 12.151515151515152, right},
};

INSTANTIATE_TEST_SUITE_P(HandWorked, SoilAnswerTest, testing::ValuesIn(kAnswerCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SentenceCase {
    const char* name;
    std::optional<SoilAnswer> answer;
    const char* estimateText;
    char separator;
    const char* sentence;
};

void PrintTo(const SentenceCase& c, std::ostream* os) { *os << c.name; }

class AnswerSentenceTest : public testing::TestWithParam<SentenceCase> {};

TEST_P(AnswerSentenceTest, Words)
{
    const SentenceCase& c = GetParam();
    numberFormatSettings().decimalSeparator = c.separator;
    EXPECT_EQ(detectorAnswerSentence(c.answer, c.estimateText), c.sentence);
    numberFormatSettings().decimalSeparator = '.';
}

const SoilAnswer kLightUpDown{{kLight335, kLight165}, AllowedRange{kLight335PerDay, kLight165PerDay}, right};

const SentenceCase kSentenceCases[] = {
    {"InTheRange", kLightUpDown, "25", '.',
     "Your detectors say the deficit before this irrigation was between 17.3 and 55.8 mm "
     "(you estimated 25 mm): the crop used 3.5 to 11.2 mm a day."},
    {"Comma", kLightUpDown, "25", ',',
     "Your detectors say the deficit before this irrigation was between 17,3 and 55,8 mm "
     "(you estimated 25 mm): the crop used 3,5 to 11,2 mm a day."},
    {"BelowTheRange", SoilAnswer{{kLight335, kLight165}, AllowedRange{kLight335PerDay, kLight165PerDay}, tooLow},
     "10", '.',
     "Your detectors say the deficit before this irrigation was between 17.3 and 55.8 mm "
     "(you estimated 10 mm, less than that): the crop used 3.5 to 11.2 mm a day."},
    {"AtMostAndAbove", SoilAnswer{{0, kLight335}, AllowedRange{0, kLight335PerDay}, tooHigh}, "25", '.',
     "Your detectors say the deficit before this irrigation was at most 17.3 mm "
     "(you estimated 25 mm, more than that): the crop used at most 3.5 mm a day."},
    {"AtLeast", SoilAnswer{{kLight165, kNone}, AllowedRange{kLight165PerDay, kNone}, tooLow}, "19,5", ',',
     "Your detectors say the deficit before this irrigation was at least 55,8 mm "
     "(you estimated 19,5 mm, less than that): the crop used at least 11,2 mm a day."},
    {"NoDailyUse", SoilAnswer{{kLight335, kLight165}, std::nullopt, tooLow}, "0", '.',
     "Your detectors say the deficit before this irrigation was between 17.3 and 55.8 mm "
     "(you estimated 0 mm, less than that)."},
    {"Contradiction", std::nullopt, "25", '.',
     "What your detectors showed contradicts the model: no deficit before this irrigation "
     "gives that answer. A detector may be faulty or badly installed."},
};

INSTANTIATE_TEST_SUITE_P(Sentences, AnswerSentenceTest, testing::ValuesIn(kSentenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
