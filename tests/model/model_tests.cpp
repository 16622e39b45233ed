// The wetting front model: the worked examples, the detector depths, the
// failures in parse order and what a failing run leaves behind.

#include <gtest/gtest.h>

#include <string>

#include "failures.h"
#include "number_format_settings.h"
#include "wetting_front_model.h"

using namespace morvane;

namespace {

ModelInputs inputs(std::string rate, std::string duration, std::string days,
                   std::string cropWaterUse, std::string rootZone)
{
    return {std::move(rate), std::move(duration), std::move(days), std::move(cropWaterUse),
            std::move(rootZone)};
}

ModelInputs withRootZone(std::string rootZone)
{
    ModelInputs in;
    in.rootZone = std::move(rootZone);
    return in;
}

ModelResults run(const ModelInputs& in)
{
    ModelResults results;
    runWettingFrontModel(in, results);
    return results;
}

// Runs into existing results and returns the failure's message.
template <typename Failure>
std::string failingRun(const ModelInputs& in, ModelResults& results)
{
    try {
        runWettingFrontModel(in, results);
    } catch (const Failure& failure) {
        return failure.message();
    }
    ADD_FAILURE() << "the run did not fail as expected";
    return {};
}

struct ExpectedSoil {
    double initialWaterContent, upperContentDepth, maxDetectionDepth, front48h, front24h;
    const char *total, *available, *storage, *shallow, *deep;
};

void expectSoil(const SoilDepths& depths, const std::optional<std::string>* texts,
                const ExpectedSoil& e, double tolerance)
{
    EXPECT_NEAR(depths.initialWaterContent.value(), e.initialWaterContent, 5e-7);
    if (e.upperContentDepth > 0) {
        EXPECT_NEAR(depths.upperContentDepth.value(), e.upperContentDepth, tolerance);
    }
    EXPECT_NEAR(depths.maxDetectionDepth.value(), e.maxDetectionDepth, tolerance);
    EXPECT_NEAR(depths.front48h.value(), e.front48h, tolerance);
    EXPECT_NEAR(depths.front24h.value(), e.front24h, tolerance);
    EXPECT_EQ(texts[0], e.total);
    EXPECT_EQ(texts[1], e.available);
    EXPECT_EQ(texts[2], e.storage);
    EXPECT_EQ(texts[3], e.shallow);
    EXPECT_EQ(texts[4], e.deep);
}

void expectWorkedExample(const ModelResults& r, const ExpectedSoil& light, const ExpectedSoil& heavy)
{
    const ModelTexts& t = r.texts;
    const std::optional<std::string> lightTexts[] = {t.LtTAW, t.LtAW, t.LtSTO, t.LtSD, t.LtDD};
    const std::optional<std::string> heavyTexts[] = {t.HvTAW, t.HvAW, t.Hv1STO, t.HvSD, t.HvDD};
    {
        SCOPED_TRACE("light soil");
        expectSoil(r.light, lightTexts, light, 0.005);
    }
    {
        SCOPED_TRACE("heavy soil");
        expectSoil(r.heavy, heavyTexts, heavy, 0.005);
    }
    EXPECT_EQ(r.ltStoWarn, false);
    EXPECT_EQ(r.HvSTOWarn, false);
}

TEST(WettingFrontModel, DefaultInputsGiveTheFirstWorkedExample)
{
    const ModelResults r = run(ModelInputs{});
    EXPECT_EQ(r.texts.AppAmount, "25");
    EXPECT_EQ(r.texts.LtSWD, "25");
    EXPECT_EQ(r.texts.HvSWD, "25");
    EXPECT_EQ(r.appliedDepth, 25.0);
    EXPECT_EQ(r.deficit, 25.0);
    EXPECT_EQ(r.rootZone, 500.0);
    expectWorkedExample(r, {0.09, 0, 277.78, 500, 400, "35.0", "10.0", "29%", "165", "335"},
                        {0.27, 0, 357.14, 500, 400, "50.0", "25.0", "50%", "165", "335"});
}

TEST(WettingFrontModel, SecondWorkedExample)
{
    const ModelResults r = run(inputs("12", "1.75", "3", "6.5", "450"));
    EXPECT_EQ(r.texts.AppAmount, "21");
    EXPECT_EQ(r.texts.LtSWD, "19.5");
    EXPECT_EQ(r.texts.HvSWD, "19.5");
    EXPECT_EQ(r.appliedDepth, 21.0);
    EXPECT_EQ(r.deficit, 19.5);
    expectWorkedExample(r, {0.096667, 136.96, 252.00, 484.62, 334.62, "31.5", "12.0", "38%", "150", "300"},
                        {0.276667, 203.23, 331.58, 484.62, 334.62, "45.0", "25.5", "57%", "150", "300"});
}

TEST(WettingFrontModel, SecondWorkedExampleWithADecimalComma)
{
    const NumberFormatSettings saved = numberFormatSettings();
    numberFormatSettings().decimalSeparator = ',';
    ModelResults r;
    runWettingFrontModel(inputs("12", "1,75", "3", "6,5", "450"), r);
    numberFormatSettings() = saved;
    EXPECT_EQ(r.texts.AppAmount, "21");
    EXPECT_EQ(r.texts.LtSWD, "19,5");
    EXPECT_EQ(r.texts.LtTAW, "31,5");
    EXPECT_EQ(r.texts.HvAW, "25,5");
    EXPECT_EQ(r.texts.LtSTO, "38%");
}

TEST(WettingFrontModel, PlacesTheDetectorsByTheRootZone)
{
    const struct {
        const char *rootZone, *shallow, *deep;
    } cases[] = {
        {"400", "150", "265"},   {"450", "150", "300"},   {"500", "165", "335"},
        {"600", "200", "400"},   {"1000", "335", "665"},  {"200", "150", "150"},
        {"299", "150", "200"},   {"-600", "150", "150"},
        // Beyond what 32-bit whole numbers hold, still rounded to five correctly.
        {"30000000000", "10000000000", "20000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rootZone);
        ModelResults r;
        try {
            runWettingFrontModel(withRootZone(c.rootZone), r);
        } catch (const Exception&) {
            // Only the detector texts matter here; they come before any storage failure.
        }
        EXPECT_EQ(r.texts.LtSD, c.shallow);
        EXPECT_EQ(r.texts.LtDD, c.deep);
        EXPECT_EQ(r.texts.HvSD, c.shallow);
        EXPECT_EQ(r.texts.HvDD, c.deep);
    }
}

TEST(WettingFrontModel, AppliedDepthIsTheRoundedProductText)
{
    // 22.5 mm is written with no decimals and read back as 23.
    const ModelResults r = run(inputs("10", "2.25", "5", "5", "500"));
    EXPECT_EQ(r.texts.AppAmount, "23");
    EXPECT_EQ(r.appliedDepth, 23.0);
    EXPECT_DOUBLE_EQ(r.light.front48h.value(), 460.0);
}

TEST(WettingFrontModel, ReadsInputsAsExtendedValues)
{
    // 5 x 0.3 is exactly 1.5 in extended precision (written 2); through a
    // double 0.3 it would be just below 1.5 (written 1).
    const ModelResults r = run(inputs("5", "0.3", "5", "5", "500"));
    EXPECT_EQ(r.texts.AppAmount, "2");
}

TEST(WettingFrontModel, NegativeStorageShowsTheWarning)
{
    const ModelResults r = run(inputs("10", "2.5", "10", "5", "500"));
    EXPECT_EQ(r.texts.LtTAW, "35.0");
    EXPECT_EQ(r.texts.LtAW, "-15.0");
    EXPECT_EQ(r.texts.LtSTO, "-43%");
    EXPECT_EQ(r.ltStoWarn, true);
    EXPECT_EQ(r.texts.HvTAW, "50.0");
    EXPECT_EQ(r.texts.HvAW, "0.0");
    EXPECT_EQ(r.texts.Hv1STO, "0%");
    EXPECT_EQ(r.HvSTOWarn, false);
}

TEST(WettingFrontModel, CropWaterUseAboveTheAppliedDepthGivesANegativeFront)
{
    const ModelResults r = run(inputs("10", "2.5", "1", "30", "500"));
    EXPECT_LT(r.light.front24h.value(), 0);
    EXPECT_LT(r.heavy.front24h.value(), 0);
}

TEST(WettingFrontModel, ReportsTheFirstBadTextInParseOrder)
{
    const struct {
        ModelInputs in;
        const char* named;
    } cases[] = {
        {inputs("x", "y", "z", "u", "v"), "x"},
        {inputs("10", " 2.5\t", "z", "u", "v"), " 2.5\t"},
        {inputs("10", "2.5", "", "u", "v"), ""},
        {inputs("10", "2.5", "5", "2,5", "v"), "2,5"},
        {inputs("10", "2.5", "5", "5", "5 0 0"), "5 0 0"},
    };
    for (const auto& c : cases) {
        ModelResults r;
        EXPECT_EQ(failingRun<EConvertError>(c.in, r),
                  "'" + std::string(c.named) + "' is not a valid floating point value");
    }
}

TEST(WettingFrontModel, BadDurationLeavesEveryResultAsItWas)
{
    ModelResults r = run(inputs("12", "2.5", "5", "5", "500"));
    const ModelResults before = r;
    failingRun<EConvertError>(inputs("10", "abc", "5", "5", "500"), r);
    EXPECT_EQ(r.texts.AppAmount, "30");
    EXPECT_EQ(r.appliedDepth, before.appliedDepth);
    EXPECT_EQ(r.texts.Hv1STO, before.texts.Hv1STO);
}

TEST(WettingFrontModel, BadRootZoneKeepsTheNewAppliedDepthOnly)
{
    ModelResults r = run(ModelInputs{});
    failingRun<EConvertError>(inputs("12", "2.5", "3", "5", "deep"), r);
    EXPECT_EQ(r.texts.AppAmount, "30");
    EXPECT_EQ(r.appliedDepth, 30.0);
    EXPECT_EQ(r.texts.LtSWD, "25");
    EXPECT_EQ(r.deficit, 25.0);
    EXPECT_EQ(r.rootZone, 500.0);
    EXPECT_EQ(r.texts.LtSTO, "29%");
    EXPECT_EQ(r.light.front48h, 500.0);
}

TEST(WettingFrontModel, NoDeficitFailsAtTheLightFortyEightHourFront)
{
    for (const ModelInputs& in : {inputs("10", "2.5", "0", "5", "500"), inputs("10", "2.5", "5", "0", "500")}) {
        ModelResults r = run(inputs("12", "2.5", "3", "5", "400"));
        const ModelResults before = r;
        EXPECT_EQ(failingRun<EZeroDivide>(in, r), "Floating point division by zero");
        EXPECT_EQ(r.texts.AppAmount, "25");
        EXPECT_EQ(r.texts.LtSWD, "0");
        EXPECT_EQ(r.texts.HvSWD, "0");
        EXPECT_EQ(r.light.initialWaterContent, 0.14);
        EXPECT_NEAR(r.light.maxDetectionDepth.value(), 625, 1e-9);  // computed before the failure
        EXPECT_EQ(r.light.front48h, before.light.front48h);
        EXPECT_EQ(r.light.front24h, before.light.front24h);
        EXPECT_EQ(r.heavy.initialWaterContent, before.heavy.initialWaterContent);
        EXPECT_EQ(r.texts.LtTAW, before.texts.LtTAW);
        EXPECT_EQ(r.texts.LtSD, before.texts.LtSD);
    }
}

TEST(WettingFrontModel, ZeroRootZoneFailsAtTheInitialWaterContent)
{
    ModelResults r;
    EXPECT_EQ(failingRun<EZeroDivide>(withRootZone("0"), r), "Floating point division by zero");
    EXPECT_FALSE(r.light.initialWaterContent.has_value());
    EXPECT_EQ(r.rootZone, 0.0);
    // No deficit either: zero divided by zero.
    EXPECT_EQ(failingRun<EInvalidOp>(inputs("10", "2.5", "0", "5", "0"), r),
              "Invalid floating point operation");
}

TEST(WettingFrontModel, NegativeDeficitCanEmptyADivisor)
{
    // Days -11: the light soil starts at its upper content exactly (0.25).
    ModelResults light;
    failingRun<EZeroDivide>(inputs("10", "2.5", "-11", "5", "500"), light);
    EXPECT_EQ(light.light.initialWaterContent, 0.25);
    EXPECT_FALSE(light.light.upperContentDepth.has_value());
    EXPECT_FALSE(light.heavy.initialWaterContent.has_value());

    // Days -6: the heavy soil starts at its upper content (0.38).
    ModelResults heavy;
    failingRun<EZeroDivide>(inputs("10", "2.5", "-6", "5", "500"), heavy);
    EXPECT_TRUE(heavy.light.front24h.has_value());
    EXPECT_EQ(heavy.heavy.initialWaterContent, 0.38);
    EXPECT_FALSE(heavy.heavy.upperContentDepth.has_value());
}

TEST(WettingFrontModel, ZeroTotalAvailableWaterFailsAtTheStorageText)
{
    ModelResults r;
    failingRun<EZeroDivide>(withRootZone("0.5"), r);
    EXPECT_EQ(r.texts.LtTAW, "0.0");
    EXPECT_EQ(r.texts.LtAW, "-25.0");
    EXPECT_FALSE(r.texts.LtSTO.has_value());
    EXPECT_FALSE(r.texts.LtSD.has_value());
}

TEST(WettingFrontModel, ValuesBeyondTheDoubleRangeOverflow)
{
    ModelResults r;
    EXPECT_EQ(failingRun<EOverflow>(inputs("1e300", "1e300", "5", "5", "500"), r),
              "Floating point overflow");
    EXPECT_EQ(r.texts.AppAmount, "1E600");  // written before the store failed
    EXPECT_FALSE(r.appliedDepth.has_value());

    ModelResults deficit;
    failingRun<EOverflow>(inputs("10", "2.5", "1e200", "1e200", "500"), deficit);
    EXPECT_EQ(deficit.texts.LtSWD, "1E400");
    EXPECT_FALSE(deficit.deficit.has_value());

    ModelResults product;
    failingRun<EOverflow>(inputs("1e4000", "1e4000", "5", "5", "500"), product);
    EXPECT_FALSE(product.texts.AppAmount.has_value());
}

TEST(WettingFrontModel, DetectorDepthBeyondTheIntegerRangeIsAnInvalidOperation)
{
    ModelResults r;
    EXPECT_EQ(failingRun<EInvalidOp>(inputs("10", "2.5", "1e299", "1", "1e300"), r),
              "Invalid floating point operation");
    EXPECT_EQ(r.texts.LtSTO, "-43%");
    EXPECT_FALSE(r.texts.LtSD.has_value());
}

}  // namespace
