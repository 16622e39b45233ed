// The irrigation plan: response depths and run times on the worked examples,
// wet soils, the deep detector's root zone limit, rates that give no run
// time, and the plan in words.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "failures.h"
#include "number_format_settings.h"
#include "plan_sentences.h"
#include "response_plan.h"
#include "wetting_front_model.h"

using namespace morvane;

namespace {

ModelResults run(const ModelInputs& inputs)
{
    ModelResults results;
    runWettingFrontModel(inputs, results);
    return results;
}

ModelInputs inputs(std::string rate, std::string duration, std::string days,
                   std::string cropWaterUse, std::string rootZone)
{
    return {std::move(rate), std::move(duration), std::move(days), std::move(cropWaterUse),
            std::move(rootZone)};
}

// One entry of a plan: the water to apply (mm) and the run time (h, -1 for none).
struct Step {
    double appliedDepth;
    double hours;
};

void expectStep(double appliedDepth, const std::optional<double>& hours, const Step& expected)
{
    EXPECT_NEAR(appliedDepth, expected.appliedDepth, 1e-9);
    if (expected.hours < 0) {
        EXPECT_FALSE(hours.has_value());
    } else {
        ASSERT_TRUE(hours.has_value());
        EXPECT_NEAR(*hours, expected.hours, 1e-9);
    }
}

struct ExpectedSoilPlan {
    double shallowDepth;
    Step shallow;
    double deepDepth;  // -1: no deep detector
    Step deep;
    Step rootZone;
    const char* sentences;
};

void expectSoilPlan(const SoilPlan& plan, const std::string& rateText, const ExpectedSoilPlan& e)
{
    EXPECT_EQ(plan.shallow.detectorDepth, e.shallowDepth);
    expectStep(plan.shallow.appliedDepth, plan.shallow.hours, e.shallow);
    if (e.deepDepth < 0) {
        EXPECT_FALSE(plan.deep.has_value());
    } else {
        ASSERT_TRUE(plan.deep.has_value());
        EXPECT_EQ(plan.deep->detectorDepth, e.deepDepth);
        expectStep(plan.deep->appliedDepth, plan.deep->hours, e.deep);
    }
    expectStep(plan.rootZone.appliedDepth, plan.rootZone.hours, e.rootZone);
    // Cases without sentences check only numbers; their words have the shape of another case's.
    if (e.sentences) {
        EXPECT_EQ(planSentences(plan, rateText), e.sentences);
    }
}

struct PlanCase {
    const char* name;
    ModelInputs inputs;
    const char* rateText;
    ExpectedSoilPlan light, heavy;
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class ResponsePlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(ResponsePlanTest, DepthsTimesAndSentences)
{
    const PlanCase& c = GetParam();
    const ModelResults results = run(c.inputs);
    const ResponsePlan plan = responsePlan(results);
    EXPECT_EQ(plan.rateText, c.rateText);
    EXPECT_DOUBLE_EQ(plan.light.rootZone.rootZone, results.rootZone.value());
    {
        SCOPED_TRACE("light soil");
        expectSoilPlan(plan.light, plan.rateText, c.light);
    }
    {
        SCOPED_TRACE("heavy soil");
        expectSoilPlan(plan.heavy, plan.rateText, c.heavy);
    }
}

constexpr Step kNoWater{0, 0};

// The water a detector at depth d needs, and its time at 10 mm/h, for a
// deficit of 25 mm: d x (θd - θi) with θi = (FC x Z - 25) / Z.
constexpr Step atRate10(double d, double detectionContent, double fieldCapacity, double rootZone)
{
    const double water = d * (detectionContent - (fieldCapacity * rootZone - 25) / rootZone);
    return {water, water / 10};
}

const PlanCase kPlanCases[] = {
    // θi 0.09 (light) and 0.27 (heavy). The held depths 14.849999999999998
    // and 23.450000000000003 round to one decimal as "14.8" and "23.5".
    {"DefaultInputs", ModelInputs{}, "10",
     {165, {14.85, 1.485}, 335, {30.15, 3.015}, {25, 2.5},
      "Shallow detector (165 mm) responds once 14.8 mm is applied: 1 h 30 min at 10 mm/h. "
      "Deep detector (335 mm): 30.1 mm, 3 h 1 min. "
      "The whole root zone (500 mm) is wetted by 25.0 mm: 2 h 30 min."},
     {165, {11.55, 1.155}, 335, {23.45, 2.345}, {25, 2.5},
      "Shallow detector (165 mm) responds once 11.6 mm is applied: 1 h 10 min at 10 mm/h. "
      "Deep detector (335 mm): 23.5 mm, 2 h 21 min. "
      "The whole root zone (500 mm) is wetted by 25.0 mm: 2 h 30 min."}},
    // θi 0.0966667 and 0.2766667; 25 mm and 19 mm at 12 mm/h are whole minutes.
    {"SecondWorkedExample", inputs("12", "1.75", "3", "6.5", "450"), "12",
     {150, {12.5, 12.5 / 12}, 300, {25, 25.0 / 12}, {19.5, 19.5 / 12},
      "Shallow detector (150 mm) responds once 12.5 mm is applied: 1 h 3 min at 12 mm/h. "
      "Deep detector (300 mm): 25.0 mm, 2 h 5 min. "
      "The whole root zone (450 mm) is wetted by 19.5 mm: 1 h 38 min."},
     {150, {9.5, 9.5 / 12}, 300, {19, 19.0 / 12}, {19.5, 19.5 / 12},
      "Shallow detector (150 mm) responds once 9.5 mm is applied: 48 min at 12 mm/h. "
      "Deep detector (300 mm): 19.0 mm, 1 h 35 min. "
      "The whole root zone (450 mm) is wetted by 19.5 mm: 1 h 38 min."}},
    // Negative deficits. Days -1: light θi 0.15, above field capacity but below
    // the detection content; heavy θi 0.33. Days -7: light θi 0.21, heavy 0.39,
    // both wetter than the detectors need.
    {"NegativeDeficit", inputs("10", "2.5", "-1", "5", "500"), "10",
     {165, {4.95, 0.495}, 335, {10.05, 1.005}, kNoWater,
      "Shallow detector (165 mm) responds once 4.9 mm is applied: 30 min at 10 mm/h. "
      "Deep detector (335 mm): 10.0 mm, 1 h 1 min. "
      "The whole root zone (500 mm) is wetted by any irrigation."},
     {165, {1.65, 0.165}, 335, {3.35, 0.335}, kNoWater, nullptr}},
    {"WetterThanTheDetectorsNeed", inputs("10", "2.5", "-7", "5", "500"), "10",
     {165, kNoWater, 335, kNoWater, kNoWater, nullptr},
     {165, kNoWater, 335, kNoWater, kNoWater,
      "Shallow detector (165 mm) responds with any irrigation. "
      "Deep detector (335 mm): any irrigation. "
      "The whole root zone (500 mm) is wetted by any irrigation."}},
    // Root zone 299: no deep detector; 150 mm is the shallowest position.
    // Root zone 299: no deep detector; 150 mm is the shallowest position.
    {"RootZone299", inputs("10", "2.5", "5", "5", "299"), "10",
     {150, atRate10(150, 0.18, 0.14, 299), -1, {}, {25, 2.5}, nullptr},
     {150, atRate10(150, 0.34, 0.32, 299), -1, {}, {25, 2.5}, nullptr}},
    {"RootZone300", inputs("10", "2.5", "5", "5", "300"), "10",
     {150, atRate10(150, 0.18, 0.14, 300), 200, atRate10(200, 0.18, 0.14, 300), {25, 2.5}, nullptr},
     {150, atRate10(150, 0.34, 0.32, 300), 200, atRate10(200, 0.34, 0.32, 300), {25, 2.5}, nullptr}},
    // Rates that are not positive: the depths stay, the run times go.
    {"ZeroRate", inputs("0", "2.5", "5", "5", "500"), "0",
     {165, {14.85, -1}, 335, {30.15, -1}, {25, -1},
      "Shallow detector (165 mm) responds once 14.8 mm is applied. "
      "Deep detector (335 mm): 30.1 mm. "
      "The whole root zone (500 mm) is wetted by 25.0 mm. No run time at 0 mm/h."},
     {165, {11.55, -1}, 335, {23.45, -1}, {25, -1}, nullptr}},
    {"NegativeRate", inputs("-4", "2.5", "5", "5", "500"), "-4",
     {165, {14.85, -1}, 335, {30.15, -1}, {25, -1}, nullptr},
     {165, {11.55, -1}, 335, {23.45, -1}, {25, -1}, nullptr}},
};

INSTANTIATE_TEST_SUITE_P(Runs, ResponsePlanTest, testing::ValuesIn(kPlanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunTimeText, RoundsUpToTheWholeMinute)
{
    const struct {
        double hours;
        const char* text;
    } cases[] = {
        {1.485, "1 h 30 min"},           // 89.1 min
        {3.015, "3 h 1 min"},            // 180.9 min
        {0.25, "15 min"},
        {2, "2 h"},
        {0.0001, "1 min"},               // 0.006 min
        {1e-12, "1 min"},                // within the tolerance of 0, but not 0
        {0, "0 min"},
        {2.5000000000000004, "2 h 30 min"},  // a binary hair above 150 min
        {1.0000001, "1 h 1 min"},        // 60.000006 min: a real excess
        {25.0 / 12, "2 h 5 min"},
        {100, "100 h"},
    };
    for (const auto& c : cases) EXPECT_EQ(runTimeText(c.hours), c.text) << c.hours << " h";
}

// Restores the decimal separator a test changes.
class CommaSeparator : public testing::Test {
protected:
    void SetUp() override { numberFormatSettings().decimalSeparator = ','; }
    void TearDown() override { numberFormatSettings().decimalSeparator = saved_; }

private:
    char saved_ = numberFormatSettings().decimalSeparator;
};

TEST_F(CommaSeparator, SentencesUseTheLocalesSeparator)
{
    ModelInputs in = localisedDefaultInputs();
    in.appRate = "12,5";
    in.duration = "2";
    const ResponsePlan plan = responsePlan(run(in));
    EXPECT_EQ(plan.rateText, "12,5");
    // 14.85 mm at 12.5 mm/h is 71.28 min.
    EXPECT_EQ(planSentences(plan.light, plan.rateText),
              "Shallow detector (165 mm) responds once 14,8 mm is applied: 1 h 12 min at 12,5 mm/h. "
              "Deep detector (335 mm): 30,1 mm, 2 h 25 min. "
              "The whole root zone (500 mm) is wetted by 25,0 mm: 2 h.");
}

TEST(ResponsePlan, RunTimeBeyondTheDoubleRangeOverflows)
{
    // A = 1e-310 x 1e310 = 1 mm: the run succeeds, but 14.85 mm take 1.5e311 h.
    const ModelResults results = run(inputs("1e-310", "1e310", "5", "5", "500"));
    EXPECT_EQ(results.appliedDepthText, "1");
    EXPECT_THROW(responsePlan(results), EOverflow);
}

}  // namespace
