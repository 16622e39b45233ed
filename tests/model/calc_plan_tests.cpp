// morvane-calc's irrigation plan: the --plan lines, the JSON "plan" object and
// the table's plan columns. The held digits below were worked by hand with
// exact fractions rounded to a 64-bit significand at every step and to a
// double where the value is held.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_run.h"

namespace {

using calc_test::CalcRun;
using calc_test::runCalc;

// Default inputs: light θi 0.09, heavy θi 0.27, detectors at 165 and 335 mm, rate 10.
const std::string kDefaultPlanLines =
    "LtPlanShallowDepth=165\nLtPlanShallowAppliedDepth=14.849999999999998\n"
    "LtPlanShallowHours=1.4849999999999999\nLtPlanDeepDepth=335\n"
    "LtPlanDeepAppliedDepth=30.149999999999995\nLtPlanDeepHours=3.0149999999999997\n"
    "LtPlanRootZoneAppliedDepth=25\nLtPlanRootZoneHours=2.5\n"
    "HvPlanShallowDepth=165\nHvPlanShallowAppliedDepth=11.550000000000001\n"
    "HvPlanShallowHours=1.155\nHvPlanDeepDepth=335\n"
    "HvPlanDeepAppliedDepth=23.450000000000003\nHvPlanDeepHours=2.3450000000000002\n"
    "HvPlanRootZoneAppliedDepth=24.999999999999993\nHvPlanRootZoneHours=2.4999999999999991\n";

// Root zone 299 at rate 0: no deep detector, no run times.
const std::string kRootZone299ZeroRateLines =
    "LtPlanShallowDepth=150\nLtPlanShallowAppliedDepth=18.541806020066886\n"
    "LtPlanShallowHours=\nLtPlanDeepDepth=\nLtPlanDeepAppliedDepth=\nLtPlanDeepHours=\n"
    "LtPlanRootZoneAppliedDepth=25\nLtPlanRootZoneHours=\n"
    "HvPlanShallowDepth=150\nHvPlanShallowAppliedDepth=15.541806020066891\n"
    "HvPlanShallowHours=\nHvPlanDeepDepth=\nHvPlanDeepAppliedDepth=\nHvPlanDeepHours=\n"
    "HvPlanRootZoneAppliedDepth=25\nHvPlanRootZoneHours=\n";

const std::string kDefaultPlanJson =
    "{\"light\": {\"shallow\": {\"depth\": 165, \"appliedDepth\": 14.849999999999998, "
    "\"hours\": 1.4849999999999999}, \"deep\": {\"depth\": 335, \"appliedDepth\": "
    "30.149999999999995, \"hours\": 3.0149999999999997}, \"rootZone\": {\"appliedDepth\": 25, "
    "\"hours\": 2.5}}, \"heavy\": {\"shallow\": {\"depth\": 165, \"appliedDepth\": "
    "11.550000000000001, \"hours\": 1.155}, \"deep\": {\"depth\": 335, \"appliedDepth\": "
    "23.450000000000003, \"hours\": 2.3450000000000002}, \"rootZone\": {\"appliedDepth\": "
    "24.999999999999993, \"hours\": 2.4999999999999991}}}";

std::string commaDecimals(std::string text)
{
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// The lines after the results, or the whole output when there are none.
std::string planLines(const std::string& out)
{
    const auto start = out.find("LtPlan");
    return start == std::string::npos ? std::string() : out.substr(start);
}

TEST(MorvaneCalcPlan, PlainLinesFollowTheResultsOnlyWithThePlanOption)
{
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* locale;
        std::string expected;
    } cases[] = {
        {"default inputs", {}, nullptr, kDefaultPlanLines},
        {"comma locale", {}, "de_DE.utf8", commaDecimals(kDefaultPlanLines)},
        {"no deep detector, no rate", {"--root-zone", "299", "--rate", "0"}, nullptr,
         kRootZone299ZeroRateLines},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun without = runCalc(c.arguments, c.locale);
        std::vector<std::string> withPlan = c.arguments;
        withPlan.push_back("--plan");
        const CalcRun with = runCalc(withPlan, c.locale);
        EXPECT_EQ(with.exitCode, 0);
        EXPECT_EQ(with.err, "");
        EXPECT_EQ(planLines(without.out), "");
        EXPECT_EQ(with.out, without.out + c.expected);
    }
}

TEST(MorvaneCalcPlan, JsonHoldsThePlanOfASuccessfulRun)
{
    const CalcRun run = runCalc({"--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find(", \"plan\": " + kDefaultPlanJson + ", \"error\": null}\n"),
              std::string::npos)
        << run.out;

    // Absent values are null; --plan changes nothing in JSON.
    const CalcRun bare = runCalc({"--json", "--plan", "--root-zone", "299", "--rate", "-4"});
    EXPECT_EQ(bare.exitCode, 0);
    EXPECT_NE(bare.out.find("{\"light\": {\"shallow\": {\"depth\": 150, \"appliedDepth\": "
                            "18.541806020066886, \"hours\": null}, \"deep\": null, \"rootZone\": "
                            "{\"appliedDepth\": 25, \"hours\": null}}"),
              std::string::npos)
        << bare.out;
    EXPECT_EQ(bare.out, runCalc({"--json", "--root-zone", "299", "--rate", "-4"}).out);
}

TEST(MorvaneCalcPlan, APlanBeyondTheDoubleRangeFailsTheRun)
{
    // 1e-310 mm/h for 1e310 h applies 1 mm, but 14.85 mm would take 1.5e311 h.
    const std::vector<std::string> inputs = {"--rate", "1e-310", "--duration", "1e310"};
    const CalcRun plain = runCalc(inputs);
    EXPECT_EQ(plain.exitCode, 0);

    std::vector<std::string> withPlan = inputs;
    withPlan.push_back("--plan");
    const CalcRun planned = runCalc(withPlan);
    EXPECT_EQ(planned.exitCode, 1);
    EXPECT_EQ(planned.out, plain.out);
    EXPECT_EQ(planned.err, "Floating point overflow.\n");

    std::vector<std::string> json = inputs;
    json.push_back("--json");
    const CalcRun jsonRun = runCalc(json);
    EXPECT_EQ(jsonRun.exitCode, 1);
    EXPECT_NE(jsonRun.out.find("\"plan\": null, \"error\": \"Floating point overflow.\"}"),
              std::string::npos)
        << jsonRun.out;
}

// The plain lines' values as one table row's columns.
std::string planColumns(const std::string& lines, char delimiter)
{
    std::string columns;
    for (std::size_t start = 0; start < lines.size();) {
        const auto equals = lines.find('=', start);
        const auto end = lines.find('\n', start);
        columns += lines.substr(equals + 1, end - equals - 1) + delimiter;
        start = end + 1;
    }
    return columns;
}

std::string planHeader(const std::string& lines, char delimiter)
{
    std::string header;
    for (std::size_t start = 0; start < lines.size();) {
        const auto equals = lines.find('=', start);
        header += lines.substr(start, equals - start) + delimiter;
        start = lines.find('\n', start) + 1;
    }
    return header;
}

TEST(MorvaneCalcPlan, TableColumnsFollowTheWarnings)
{
    const std::string resultHeader =
        "AppAmount,LtSWD,HvSWD,LtTAW,LtAW,LtSTO,LtSD,LtDD,HvTAW,HvAW,HvSD,HvDD,Hv1STO,ltStoWarn,"
        "HvSTOWarn,";
    const std::string table = "field,root_zone,rate\nnorth,500,10\nlow,299,0\nbad,0,10\n";
    calc_test::Redirect redirect;
    redirect.input = calc_test::scratchFile("plan.csv", table);

    const CalcRun run = runCalc({"--batch", "--plan"}, nullptr, redirect);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "morvane-calc: 1 of 3 rows failed\n");
    EXPECT_EQ(run.out,
              "field,root_zone,rate," + resultHeader + planHeader(kDefaultPlanLines, ',') + "error\n" +
              "north,500,10,25,25,25,35.0,10.0,29%,165,335,50.0,25.0,165,335,50%,hidden,hidden," +
              planColumns(kDefaultPlanLines, ',') + "\n" +
              "low,299,0,0,25,25,20.9,-4.1,-20%,150,200,29.9,4.9,150,200,16%,shown,hidden," +
              planColumns(kRootZone299ZeroRateLines, ',') + "\n" +
              // A failed run leaves its plan columns empty.
              "bad,0,10,25,25,25" + std::string(13 + 16, ',') + "Floating point division by zero.\n");

    // A comma-decimal table: semicolons between the fields, commas in the numbers.
    redirect.input = calc_test::scratchFile("plan-de.csv", "root_zone\n500\n");
    const CalcRun german = runCalc({"--batch", "--plan"}, "de_DE.utf8", redirect);
    EXPECT_EQ(german.exitCode, 0);
    const std::string firstRow = german.out.substr(german.out.find('\n') + 1);
    EXPECT_EQ(firstRow, "500;25;25;25;35,0;10,0;29%;165;335;50,0;25,0;165;335;50%;hidden;hidden;" +
                            planColumns(commaDecimals(kDefaultPlanLines), ';') + "\n");
}

}  // namespace
