// The wetting front model: the worked examples, the detector depths, the
// failures in parse order and what a failing run leaves behind.

#include <gtest/gtest.h>

#include <string>

#include "failures.h"
#include "number_format_settings.h"
#include "number_text_localisation.h"
#include "response_plan.h"
#include "result_names.h"
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

void expectSoil(const SoilResults& depths, const ExpectedSoil& e, double tolerance)
{
    EXPECT_NEAR(depths.initialWaterContent.value(), e.initialWaterContent, 5e-7);
    if (e.upperContentDepth > 0) {
        EXPECT_NEAR(depths.upperContentDepth.value(), e.upperContentDepth, tolerance);
    }
    EXPECT_NEAR(depths.maxDetectionDepth.value(), e.maxDetectionDepth, tolerance);
    EXPECT_NEAR(depths.front48h.value(), e.front48h, tolerance);
    EXPECT_NEAR(depths.front24h.value(), e.front24h, tolerance);
    EXPECT_EQ(depths.totalAvailableWaterText, e.total);
    EXPECT_EQ(depths.availableWaterText, e.available);
    EXPECT_EQ(depths.storageText, e.storage);
    EXPECT_EQ(depths.shallowDetectorText, e.shallow);
    EXPECT_EQ(depths.deepDetectorText, e.deep);
}

void expectWorkedExample(const ModelResults& r, const ExpectedSoil& light, const ExpectedSoil& heavy)
{
    {
        SCOPED_TRACE("light soil");
        expectSoil(r.light, light, 0.005);
    }
    {
        SCOPED_TRACE("heavy soil");
        expectSoil(r.heavy, heavy, 0.005);
    }
    EXPECT_EQ(r.light.storageWarning, false);
    EXPECT_EQ(r.heavy.storageWarning, false);
}

TEST(WettingFrontModel, DefaultInputsGiveTheFirstWorkedExample)
{
    const ModelResults r = run(ModelInputs{});
    EXPECT_EQ(r.appliedDepthText, "25");
    EXPECT_EQ(r.light.deficitText, "25");
    EXPECT_EQ(r.heavy.deficitText, "25");
    EXPECT_EQ(r.appliedDepth, 25.0);
    EXPECT_EQ(r.deficit, 25.0);
    EXPECT_EQ(r.rootZone, 500.0);
    expectWorkedExample(r, {0.09, 0, 277.78, 500, 400, "35.0", "10.0", "29%", "165", "335"},
                        {0.27, 0, 357.14, 500, 400, "50.0", "25.0", "50%", "165", "335"});
}

TEST(WettingFrontModel, SecondWorkedExample)
{
    const ModelResults r = run(inputs("12", "1.75", "3", "6.5", "450"));
    EXPECT_EQ(r.appliedDepthText, "21");
    EXPECT_EQ(r.light.deficitText, "19.5");
    EXPECT_EQ(r.heavy.deficitText, "19.5");
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
    EXPECT_EQ(r.appliedDepthText, "21");
    EXPECT_EQ(r.light.deficitText, "19,5");
    EXPECT_EQ(r.light.totalAvailableWaterText, "31,5");
    EXPECT_EQ(r.heavy.availableWaterText, "25,5");
    EXPECT_EQ(r.light.storageText, "38%");
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
        EXPECT_EQ(r.light.shallowDetectorText, c.shallow);
        EXPECT_EQ(r.light.deepDetectorText, c.deep);
        EXPECT_EQ(r.heavy.shallowDetectorText, c.shallow);
        EXPECT_EQ(r.heavy.deepDetectorText, c.deep);
    }
}

TEST(WettingFrontModel, AppliedDepthIsTheRoundedProductText)
{
    // 22.5 mm is written with no decimals and read back as 23.
    const ModelResults r = run(inputs("10", "2.25", "5", "5", "500"));
    EXPECT_EQ(r.appliedDepthText, "23");
    EXPECT_EQ(r.appliedDepth, 23.0);
    EXPECT_DOUBLE_EQ(r.light.front48h.value(), 460.0);
}

TEST(WettingFrontModel, ReadsInputsAsExtendedValues)
{
    // 5 x 0.3 is exactly 1.5 in extended precision (written 2); through a
    // double 0.3 it would be just below 1.5 (written 1).
    const ModelResults r = run(inputs("5", "0.3", "5", "5", "500"));
    EXPECT_EQ(r.appliedDepthText, "2");
}

TEST(WettingFrontModel, NegativeStorageShowsTheWarning)
{
    const ModelResults r = run(inputs("10", "2.5", "10", "5", "500"));
    EXPECT_EQ(r.light.totalAvailableWaterText, "35.0");
    EXPECT_EQ(r.light.availableWaterText, "-15.0");
    EXPECT_EQ(r.light.storageText, "-43%");
    EXPECT_EQ(r.light.storageWarning, true);
    EXPECT_EQ(r.heavy.totalAvailableWaterText, "50.0");
    EXPECT_EQ(r.heavy.availableWaterText, "0.0");
    EXPECT_EQ(r.heavy.storageText, "0%");
    EXPECT_EQ(r.heavy.storageWarning, false);
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
    EXPECT_EQ(r.appliedDepthText, "30");
    EXPECT_EQ(r.appliedDepth, before.appliedDepth);
    EXPECT_EQ(r.heavy.storageText, before.heavy.storageText);
}

TEST(WettingFrontModel, BadRootZoneKeepsTheNewAppliedDepthOnly)
{
    ModelResults r = run(ModelInputs{});
    failingRun<EConvertError>(inputs("12", "2.5", "3", "5", "deep"), r);
    EXPECT_EQ(r.appliedDepthText, "30");
    EXPECT_EQ(r.appliedDepth, 30.0);
    EXPECT_EQ(r.light.deficitText, "25");
    EXPECT_EQ(r.deficit, 25.0);
    EXPECT_EQ(r.rootZone, 500.0);
    EXPECT_EQ(r.light.storageText, "29%");
    EXPECT_EQ(r.light.front48h, 500.0);
}

TEST(WettingFrontModel, NoDeficitFailsAtTheLightFortyEightHourFront)
{
    for (const ModelInputs& in : {inputs("10", "2.5", "0", "5", "500"), inputs("10", "2.5", "5", "0", "500")}) {
        ModelResults r = run(inputs("12", "2.5", "3", "5", "400"));
        const ModelResults before = r;
        EXPECT_EQ(failingRun<EZeroDivide>(in, r), "Floating point division by zero");
        EXPECT_EQ(r.appliedDepthText, "25");
        EXPECT_EQ(r.light.deficitText, "0");
        EXPECT_EQ(r.heavy.deficitText, "0");
        EXPECT_EQ(r.light.initialWaterContent, 0.14);
        EXPECT_NEAR(r.light.maxDetectionDepth.value(), 625, 1e-9);  // computed before the failure
        EXPECT_EQ(r.light.front48h, before.light.front48h);
        EXPECT_EQ(r.light.front24h, before.light.front24h);
        EXPECT_EQ(r.heavy.initialWaterContent, before.heavy.initialWaterContent);
        EXPECT_EQ(r.light.totalAvailableWaterText, before.light.totalAvailableWaterText);
        EXPECT_EQ(r.light.shallowDetectorText, before.light.shallowDetectorText);
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
    EXPECT_EQ(r.light.totalAvailableWaterText, "0.0");
    EXPECT_EQ(r.light.availableWaterText, "-25.0");
    EXPECT_FALSE(r.light.storageText.has_value());
    EXPECT_FALSE(r.light.shallowDetectorText.has_value());
}

TEST(WettingFrontModel, ValuesBeyondTheDoubleRangeOverflow)
{
    ModelResults r;
    EXPECT_EQ(failingRun<EOverflow>(inputs("1e300", "1e300", "5", "5", "500"), r),
              "Floating point overflow");
    EXPECT_EQ(r.appliedDepthText, "1E600");  // written before the store failed
    EXPECT_FALSE(r.appliedDepth.has_value());

    ModelResults deficit;
    failingRun<EOverflow>(inputs("10", "2.5", "1e200", "1e200", "500"), deficit);
    EXPECT_EQ(deficit.light.deficitText, "1E400");
    EXPECT_FALSE(deficit.deficit.has_value());

    ModelResults product;
    failingRun<EOverflow>(inputs("1e4000", "1e4000", "5", "5", "500"), product);
    EXPECT_FALSE(product.appliedDepthText.has_value());
}

TEST(WettingFrontModel, DetectorDepthBeyondTheIntegerRangeIsAnInvalidOperation)
{
    ModelResults r;
    EXPECT_EQ(failingRun<EInvalidOp>(inputs("10", "2.5", "1e299", "1", "1e300"), r),
              "Invalid floating point operation");
    EXPECT_EQ(r.light.storageText, "-43%");
    EXPECT_FALSE(r.light.shallowDetectorText.has_value());
}

// Soils of one's own, worked by hand from the model's steps.
//   Light slot 0.2:0.1:0.23:0.3, default inputs (A 25, D 25, Z 500):
//     θi = (0.2 × 500 − 25) / 500 = 0.15; upper 25 / 0.15 = 166.67;
//     detection 25 / 0.08 = 312.5; 48 h 25 / 0.05 = 500; 24 h 20 / 0.05 = 400;
//     total 0.1 × 500 = 50.0, available 25.0, storage 50%;
//     plan: 165 × 0.08 = 13.2, 335 × 0.08 = 26.8, 500 × 0.05 = 25 mm.
//   Heavy slot 0.36:0.2:0.4:0.45, second example (A 21, D 19.5, U 6.5, Z 450):
//     θi = (162 − 19.5) / 450 = 0.316667; upper 21 / 0.133333 = 157.5;
//     detection 21 / 0.083333 = 252; 48 h 21 / 0.043333 = 484.62;
//     24 h 14.5 / 0.043333 = 334.62; total 0.16 × 450 = 72.0, available 52.5,
//     storage 72.9% -> 73%; plan: 150 × 0.083333 = 12.5, 300 × 0.083333 = 25,
//     450 × 0.043333 = 19.5 mm.
TEST(WettingFrontModel, RunsWithSoilsOfOnesOwn)
{
    const struct {
        ModelInputs in;
        SoilRecord soil;
        bool light;
        ExpectedSoil expected;
        double shallowWater, deepWater, rootZoneWater;
    } cases[] = {
        {ModelInputs{}, {0.2, 0.1, 0.23, 0.3}, true,
         {0.15, 166.67, 312.5, 500, 400, "50.0", "25.0", "50%", "165", "335"}, 13.2, 26.8, 25},
        {inputs("12", "1.75", "3", "6.5", "450"), {0.36, 0.2, 0.4, 0.45}, false,
         {0.316667, 157.5, 252.0, 484.62, 334.62, "72.0", "52.5", "73%", "150", "300"}, 12.5, 25, 19.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.light ? "light slot" : "heavy slot");
        ModelInputs in = c.in;
        (c.light ? in.soils.light : in.soils.heavy) = c.soil;
        const ModelResults r = run(in);
        const SoilResults& own = c.light ? r.light : r.heavy;
        const SoilResults& builtIn = c.light ? r.heavy : r.light;
        expectSoil(own, c.expected, 0.005);
        EXPECT_EQ(own.soil, c.soil);
        // The other slot keeps its built-in soil and its results.
        const ModelResults plain = run(c.in);
        EXPECT_EQ(builtIn.soil, c.light ? kHeavySoil : kLightSoil);
        EXPECT_EQ(builtIn.maxDetectionDepth, (c.light ? plain.heavy : plain.light).maxDetectionDepth);
        EXPECT_EQ(builtIn.storageText, (c.light ? plain.heavy : plain.light).storageText);
        const ResponsePlan plan = responsePlan(r);
        const SoilPlan& soilPlan = c.light ? plan.light : plan.heavy;
        EXPECT_NEAR(soilPlan.shallow.appliedDepth, c.shallowWater, 1e-9);
        EXPECT_NEAR(soilPlan.deep->appliedDepth, c.deepWater, 1e-9);
        EXPECT_NEAR(soilPlan.rootZone.appliedDepth, c.rootZoneWater, 1e-9);
    }
}

// "name=text" for every text and warning the run wrote, through the name table.
std::string namedResults(const ModelResults& r)
{
    std::string out;
    for (const ResultText& result : kResultTexts)
        if (const auto& text = result.text(r)) out += std::string(result.name) + "=" + *text + " ";
    for (const StorageWarning& warning : kStorageWarnings)
        if (const auto& shown = warning.shown(r))
            out += std::string(warning.name) + "(" + warning.storageName + ")=" + (*shown ? "1 " : "0 ");
    return out;
}

TEST(ResultNames, NameEveryResultInWriteOrder)
{
    const std::pair<ModelInputs, const char*> cases[] = {
        {inputs("12", "1.75", "3", "6.5", "450"),
         "AppAmount=21 LtSWD=19.5 HvSWD=19.5 LtTAW=31.5 LtAW=12.0 LtSTO=38% LtSD=150 LtDD=300 "
         "HvTAW=45.0 HvAW=25.5 HvSD=150 HvDD=300 Hv1STO=57% ltStoWarn(LtSTO)=0 HvSTOWarn(Hv1STO)=0 "},
        {inputs("10", "2.5", "10", "5", "500"),
         "AppAmount=25 LtSWD=50 HvSWD=50 LtTAW=35.0 LtAW=-15.0 LtSTO=-43% LtSD=165 LtDD=335 "
         "HvTAW=50.0 HvAW=0.0 HvSD=165 HvDD=335 Hv1STO=0% ltStoWarn(LtSTO)=1 HvSTOWarn(Hv1STO)=0 "},
        // Root zone 0.5: the light storage divides by a total of 0.0.
        {withRootZone("0.5"), "AppAmount=25 LtSWD=25 HvSWD=25 LtTAW=0.0 LtAW=-25.0 "},
    };
    for (const auto& [in, expected] : cases) {
        ModelResults r;
        try {
            runWettingFrontModel(in, r);
        } catch (const Exception&) {
        }
        EXPECT_EQ(namedResults(r), expected);
    }
}

TEST(LocalisedNumberText, WritesStoredTextsWithTheActiveSeparator)
{
    struct Case {
        char separator;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {{'.', "2.5", "2.5"}, {',', "2.5", "2,5"}, {',', "500", "500"},
                          {'/', "1.2.3", "1/2/3"}, {',', "", ""}};
    const NumberFormatSettings saved = numberFormatSettings();
    for (const Case& c : cases) {
        numberFormatSettings().decimalSeparator = c.separator;
        EXPECT_EQ(localisedNumberText(c.stored), c.shown) << c.separator << " " << c.stored;
    }
    numberFormatSettings().decimalSeparator = ',';
    const ModelInputs defaults = localisedDefaultInputs();
    numberFormatSettings() = saved;
    EXPECT_EQ(defaults.appRate, "10");
    EXPECT_EQ(defaults.duration, "2,5");
    EXPECT_EQ(defaults.days, "5");
    EXPECT_EQ(defaults.cropWaterUse, "5");
    EXPECT_EQ(defaults.rootZone, "500");
}

}  // namespace
