// morvane-calc with what the detectors showed: --shallow-showed and
// --deep-showed, the plain lines, the JSON "showed", the table's columns and
// the usage errors. The digits are the held doubles worked by hand in
// detector_answer_tests.cpp (and, for root zone 299, the detector at 150 mm:
// (1/6 - 1/25) x 299 = 37.873... and (1/6 - 1/50) x 299 = 43.853...).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_run.h"

namespace {

using calc_test::CalcRun;
using calc_test::runCalc;

const std::string kShallowUpDeepDown =
    "LtShowedDeficitMin=17.313432835820905\nLtShowedDeficitMax=55.757575757575765\n"
    "LtShowedCropWaterUseMin=3.4626865671641811\nLtShowedCropWaterUseMax=11.151515151515152\n"
    "HvShowedDeficitMin=27.313432835820887\nHvShowedDeficitMax=65.757575757575751\n"
    "HvShowedCropWaterUseMin=5.4626865671641776\nHvShowedCropWaterUseMax=13.15151515151515\n";

// What follows the last line of the results (or of the plan).
std::string afterResults(const std::string& out)
{
    const auto last = out.find("HvSTOWarn=");
    return last == std::string::npos ? out : out.substr(out.find('\n', last) + 1);
}

TEST(MorvaneCalcAnswer, PlainLinesUsageErrorsAndFailures)
{
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        int exitCode;
        std::string lines;  // after the results
        std::string err;    // its start
    } cases[] = {
        {"shallow UP, deep DOWN", {"--shallow-showed", "up", "--deep-showed", "down"}, 0,
         kShallowUpDeepDown, ""},
        {"contradiction in both soils", {"--shallow-showed", "down", "--deep-showed", "up"}, 0,
         "LtShowed=contradiction\nHvShowed=contradiction\n", ""},
        // The deep detector at 200 mm is not shown under 300 mm, so its UP does not count.
        {"no deep detector", {"--root-zone", "299", "--shallow-showed", "up", "--deep-showed", "up"}, 0,
         "LtShowedDeficitMin=0\nLtShowedDeficitMax=37.873333333333342\n"
         "LtShowedCropWaterUseMin=0\nLtShowedCropWaterUseMax=7.5746666666666682\n"
         "HvShowedDeficitMin=0\nHvShowedDeficitMax=43.853333333333325\n"
         "HvShowedCropWaterUseMin=0\nHvShowedCropWaterUseMax=8.7706666666666653\n",
         ""},
        // Days -1 with crop water use -5: a deficit of 5 mm, but no daily use.
        {"deep DOWN alone, negative days", {"--days", "-1", "--cwu", "-5", "--deep-showed", "down"}, 0,
         "LtShowedDeficitMin=17.313432835820905\nLtShowedDeficitMax=\n"
         "LtShowedCropWaterUseMin=\nLtShowedCropWaterUseMax=\n"
         "HvShowedDeficitMin=27.313432835820887\nHvShowedDeficitMax=\n"
         "HvShowedCropWaterUseMin=\nHvShowedCropWaterUseMax=\n",
         ""},
        {"an own soil's constants", {"--light-soil", "0.2:0.1:0.23:0.3", "--shallow-showed", "up",
                                     "--deep-showed", "down"},
         0,
         "LtShowedDeficitMin=22.313432835820898\nLtShowedDeficitMax=60.757575757575758\n"
         "LtShowedCropWaterUseMin=4.4626865671641793\nLtShowedCropWaterUseMax=12.151515151515152\n" +
             kShallowUpDeepDown.substr(kShallowUpDeepDown.find("Hv")),
         ""},
        // A 1e308 mm: the run succeeds, the bound (1e308/165 - 0.04) x 500 does not.
        {"bound beyond the double range",
         {"--rate", "1e300", "--duration", "1e8", "--days", "100", "--shallow-showed", "up"}, 1, "",
         "Floating point overflow.\n"},
        {"a run that fails has no answer", {"--days", "0", "--shallow-showed", "up"}, 1,
         "AppAmount=25\nLtSWD=0\nHvSWD=0\n", "Floating point division by zero.\n"},
        {"another word", {"--deep-showed", "UP"}, 2, "",
         "morvane-calc: --deep-showed takes up or down, not 'UP'\nusage: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = runCalc(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(afterResults(run.out), c.lines);
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
    }
}

TEST(MorvaneCalcAnswer, JsonHasShowedOnlyWhenADetectorWasChecked)
{
    const std::string showed =
        "\"showed\": {\"light\": {\"deficit\": [17.313432835820905, 55.757575757575765], "
        "\"cropWaterUse\": [3.4626865671641811, 11.151515151515152]}, \"heavy\": {\"deficit\": "
        "[27.313432835820887, 65.757575757575751], \"cropWaterUse\": [5.4626865671641776, "
        "13.15151515151515]}}, \"error\": null}\n";
    const std::string out =
        runCalc({"--json", "--shallow-showed", "up", "--deep-showed", "down"}).out;
    ASSERT_GE(out.size(), showed.size());
    EXPECT_EQ(out.substr(out.size() - showed.size()), showed);
    EXPECT_EQ(runCalc({"--json"}).out.find("showed"), std::string::npos);
    EXPECT_NE(runCalc({"--json", "--deep-showed", "down", "--days", "0"})
                  .out.find("\"plan\": null, \"showed\": null, \"error\": "),
              std::string::npos);
    EXPECT_NE(runCalc({"--json", "--shallow-showed", "down", "--deep-showed", "up"})
                  .out.find("\"showed\": {\"light\": null, \"heavy\": null}"),
              std::string::npos);
}

TEST(MorvaneCalcAnswer, TableColumnsTakeTheOptionForEmptyCells)
{
    calc_test::Redirect redirect;
    redirect.input = calc_test::scratchFile(
        "showed.csv", "field,shallowShowed\nNorth,up\nSouth,\nEast,sideways\n");
    const CalcRun run = runCalc({"--batch", "--deep-showed", "down"}, nullptr, redirect);
    EXPECT_EQ(run.exitCode, 1);
    const std::string light = "17.313432835820905,55.757575757575765,3.4626865671641811,"
                              "11.151515151515152,,27.313432835820887,65.757575757575751,"
                              "5.4626865671641776,13.15151515151515,";
    // South: the deep detector DOWN from the option, the shallow one not checked.
    const std::string south = "17.313432835820905,,3.4626865671641811,,,27.313432835820887,,"
                              "5.4626865671641776,,";
    const auto line = [&run](int index) {
        std::size_t start = 0;
        for (int i = 0; i < index; ++i) start = run.out.find('\n', start) + 1;
        return run.out.substr(start, run.out.find('\n', start) - start);
    };
    EXPECT_TRUE(line(0).ends_with(
        ",HvSTOWarn,LtShowed,LtShowedDeficitMin,LtShowedDeficitMax,LtShowedCropWaterUseMin,"
        "LtShowedCropWaterUseMax,HvShowed,HvShowedDeficitMin,HvShowedDeficitMax,"
        "HvShowedCropWaterUseMin,HvShowedCropWaterUseMax,error"));
    EXPECT_TRUE(line(1).ends_with(",hidden,hidden,," + light)) << line(1);
    EXPECT_TRUE(line(2).ends_with(",hidden,hidden,," + south)) << line(2);
    EXPECT_EQ(line(3), "East,sideways,,,,,,,,,,,,,,,,,,,,,,,,,,"
                       "\"line 4: shallowShowed takes up or down, not 'sideways'\"");
}

}  // namespace
