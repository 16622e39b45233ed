// morvane-calc end to end: the built program run with arguments, its exit
// code, standard output and standard error; plus its JSON and error texts.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "calc_run.h"
#include "failures.h"
#include "json_text.h"
#include "result_report.h"
#include "wetting_front_model.h"

namespace {

using calc_test::CalcRun;
using calc_test::runCalc;

const char* const kFirstWorkedExample =
    "AppAmount=25\nLtSWD=25\nHvSWD=25\nLtTAW=35.0\nLtAW=10.0\nLtSTO=29%\nLtSD=165\nLtDD=335\n"
    "HvTAW=50.0\nHvAW=25.0\nHvSD=165\nHvDD=335\nHv1STO=50%\nltStoWarn=hidden\nHvSTOWarn=hidden\n";

TEST(MorvaneCalc, DefaultsGiveTheFirstWorkedExample)
{
    const CalcRun run = runCalc({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kFirstWorkedExample);
    EXPECT_EQ(run.err, "");
    // The default texts spelled out give the same.
    EXPECT_EQ(runCalc({"--rate", "10", "--duration=2.5", "--days", "5", "--cwu", "5",
                       "--root-zone", "500"}).out,
              kFirstWorkedExample);
}

TEST(MorvaneCalc, SecondWorkedExampleInPlainText)
{
    const CalcRun run = runCalc({"--rate", "12", "--duration", "1.75", "--days", "3", "--cwu",
                                 "6.5", "--root-zone", "450"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "AppAmount=21\nLtSWD=19.5\nHvSWD=19.5\nLtTAW=31.5\nLtAW=12.0\nLtSTO=38%\nLtSD=150\n"
              "LtDD=300\nHvTAW=45.0\nHvAW=25.5\nHvSD=150\nHvDD=300\nHv1STO=57%\n"
              "ltStoWarn=hidden\nHvSTOWarn=hidden\n");
}

std::string number(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// The irrigation plan of the second worked example (rate 12, root zone 450):
// θi 0.0966667 and 0.2766667, detectors at 150 and 300 mm. The digits are
// those of 64-bit-significand arithmetic worked by hand with exact fractions:
// the held depths miss 12.5, 25, 9.5 and 19 by a few units in the last place.
const std::string kSecondExamplePlan =
    "{\"light\": {\"shallow\": {\"depth\": 150, \"appliedDepth\": 12.499999999999996, "
    "\"hours\": 1.0416666666666663}, "
    "\"deep\": {\"depth\": 300, \"appliedDepth\": 24.999999999999993, \"hours\": 2.0833333333333326}, "
    "\"rootZone\": {\"appliedDepth\": 19.5, \"hours\": 1.625}}, "
    "\"heavy\": {\"shallow\": {\"depth\": 150, \"appliedDepth\": 9.5000000000000036, "
    "\"hours\": 0.79166666666666696}, "
    "\"deep\": {\"depth\": 300, \"appliedDepth\": 19.000000000000007, \"hours\": 1.5833333333333339}, "
    "\"rootZone\": {\"appliedDepth\": 19.5, \"hours\": 1.625}}}";

TEST(MorvaneCalc, JsonCarriesTextsWarningsAndExactHeldValues)
{
    morvane::ModelResults expected;
    morvane::runWettingFrontModel({"12", "1.75", "3", "6.5", "450"}, expected);
    const CalcRun run = runCalc({"--json", "--rate", "12", "--duration", "1.75", "--days", "3",
                                 "--cwu", "6.5", "--root-zone", "450"});
    EXPECT_EQ(run.exitCode, 0);
    const auto soil = [](const morvane::SoilDepths& d) {
        return "{\"initialWaterContent\": " + number(*d.initialWaterContent) +
               ", \"upperContentDepth\": " + number(*d.upperContentDepth) +
               ", \"maxDetectionDepth\": " + number(*d.maxDetectionDepth) +
               ", \"front48h\": " + number(*d.front48h) + ", \"front24h\": " + number(*d.front24h) + "}";
    };
    EXPECT_EQ(run.out,
              "{\"texts\": {\"AppAmount\": \"21\", \"LtSWD\": \"19.5\", \"HvSWD\": \"19.5\", "
              "\"LtTAW\": \"31.5\", \"LtAW\": \"12.0\", \"LtSTO\": \"38%\", \"LtSD\": \"150\", "
              "\"LtDD\": \"300\", \"HvTAW\": \"45.0\", \"HvAW\": \"25.5\", \"HvSD\": \"150\", "
              "\"HvDD\": \"300\", \"Hv1STO\": \"57%\"}, "
              "\"warnings\": {\"ltStoWarn\": false, \"HvSTOWarn\": false}, "
              "\"light\": " + soil(expected.light) + ", \"heavy\": " + soil(expected.heavy) +
              ", \"plan\": " + kSecondExamplePlan + ", \"error\": null}\n");
    // Seventeen digits read back to the very same double.
    EXPECT_EQ(std::strtod(number(*expected.light.maxDetectionDepth).c_str(), nullptr),
              *expected.light.maxDetectionDepth);
}

TEST(MorvaneCalc, FailingRunPrintsWhatWasWrittenAndExitsWithOne)
{
    const CalcRun bad = runCalc({"--duration", "abc"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "'abc' is not a valid floating point value.\n");

    const CalcRun zero = runCalc({"--days", "0"});
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_EQ(zero.out, "AppAmount=25\nLtSWD=0\nHvSWD=0\n");
    EXPECT_EQ(zero.err, "Floating point division by zero.\n");

    // The soil's contents are doubles, their differences extended values.
    const long double fieldCapacity = 0.14, upper = 0.25, detection = 0.18;
    const CalcRun json = runCalc({"--days", "0", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out,
              "{\"texts\": {\"AppAmount\": \"25\", \"LtSWD\": \"0\", \"HvSWD\": \"0\"}, "
              "\"warnings\": {}, \"light\": {\"initialWaterContent\": 0.14000000000000001, "
              "\"upperContentDepth\": " + number(25 / (upper - fieldCapacity)) +
              ", \"maxDetectionDepth\": " + number(25 / (detection - fieldCapacity)) +
              "}, \"heavy\": {}, \"plan\": null, \"error\": \"Floating point division by zero.\"}\n");
}

TEST(MorvaneCalc, TextsAreTakenExactlyAsTyped)
{
    EXPECT_EQ(runCalc({"--rate", "  10  "}).out, kFirstWorkedExample);
    const CalcRun tab = runCalc({"--rate", "\t10"});
    EXPECT_EQ(tab.exitCode, 1);
    EXPECT_EQ(tab.err, "'\t10' is not a valid floating point value.\n");
    const CalcRun empty = runCalc({"--cwu", ""});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "'' is not a valid floating point value.\n");
    EXPECT_EQ(empty.out, "AppAmount=25\n");
}

TEST(MorvaneCalc, DecimalSeparatorOptionAndLocale)
{
    const CalcRun comma = runCalc({"--decimal-separator", ",", "--duration", "2,25"});
    EXPECT_EQ(comma.exitCode, 0);
    EXPECT_NE(comma.out.find("AppAmount=23\n"), std::string::npos);
    EXPECT_NE(comma.out.find("LtTAW=35,0\n"), std::string::npos);
    EXPECT_NE(comma.out.find("HvAW=25,0\n"), std::string::npos);

    // The comma locale writes the default duration text with a comma, as the window does.
    const CalcRun german = runCalc({}, "de_DE.utf8");
    EXPECT_EQ(german.exitCode, 0);
    EXPECT_EQ(german.err, "");
    EXPECT_NE(german.out.find("LtTAW=35,0\n"), std::string::npos);
    EXPECT_NE(runCalc({"--duration", "2,5"}, "de_DE.utf8").out.find("LtAW=10,0\n"), std::string::npos);
    // The option wins over the locale; a multibyte separator locale reads the point.
    EXPECT_EQ(runCalc({"--decimal-separator", "."}, "de_DE.utf8").out, kFirstWorkedExample);
    EXPECT_EQ(runCalc({}, "ps_AF").out, kFirstWorkedExample);
}

TEST(MorvaneCalc, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"}, {"--rate"}, {"500"}, {"--decimal-separator", ",,"},
        {"--decimal-separator", ""}, {"--json=yes"}, {"--version=2"},
        {"--delimiter", ";"} /* without --batch */, {"--batch", "--delimiter", ";;"},
        {"--batch", "a.csv", "b.csv"}, {"--batch=a.csv", "b.csv"}, {"--batch="},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.front());
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: morvane-calc [--rate T]"), std::string::npos);
    }
}

TEST(MorvaneCalc, OmittedOptionsTakeTheDefaultsWithTheActiveSeparator)
{
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* locale;
    };
    const Case cases[] = {
        {"comma locale", {}, "de_DE.utf8"},
        {"comma option", {"--decimal-separator", ","}, nullptr},
        {"other separator", {"--decimal-separator", "/"}, nullptr},
        {"point option in a comma locale", {"--decimal-separator", "."}, "de_DE.utf8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = runCalc(c.arguments, c.locale);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        // The first worked example, with its one-decimal texts in that separator.
        std::string expected = kFirstWorkedExample;
        const char separator = c.arguments.empty() ? ',' : c.arguments[1][0];
        for (char& ch : expected)
            if (ch == '.') ch = separator;
        EXPECT_EQ(run.out, expected);
    }
}

TEST(MorvaneCalc, DecimalSeparatorMustBeOneUsableCharacter)
{
    const char* const rejected[] = {"5", "0", "e", "E", "-", "+", " ", "\t", "\n", ",,", "", "=",
                                    "\xc3\xa9" /* é, two bytes */, "\xb7" /* not a character alone */};
    for (const char* separator : rejected) {
        SCOPED_TRACE(separator);
        const CalcRun run = runCalc({"--decimal-separator", separator});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--decimal-separator takes one printable character that is not "
                               "a digit, a sign, e, E, = or a blank"),
                  std::string::npos);
    }
    for (const char* separator : {",", ".", "'", "/", "_"}) {
        SCOPED_TRACE(separator);
        EXPECT_EQ(runCalc({"--decimal-separator", separator}).exitCode, 0);
    }
}

TEST(MorvaneCalc, OutputThatCannotBeWrittenIsAnError)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--json"}, {"--help"}, {"--version"}, {"--batch"}, {"--batch", "--json"},
    };
    calc_test::Redirect full;
    full.input = "/dev/null";
    full.output = "/dev/full";
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.empty() ? "plain" : arguments.back());
        // The batch reads a one-row table.
        calc_test::Redirect redirect = full;
        if (!arguments.empty() && arguments.front() == "--batch") redirect.input = calc_test::scratchFile("one_row.csv", "rate\n12\n");
        const CalcRun run = runCalc(arguments, nullptr, redirect);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "morvane-calc: cannot write the output: No space left on device\n");
    }
}

TEST(MorvaneCalc, VersionComesFromTheProject)
{
    const CalcRun run = runCalc({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "morvane-calc " PROJECT_VERSION_TEXT "\n");
    EXPECT_EQ(run.err, "");
}

TEST(MorvaneCalc, HelpExplainsEveryOption)
{
    const CalcRun run = runCalc({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--rate", "--duration", "--days", "--cwu", "--root-zone",
                               "--decimal-separator", "--json", "--plan", "--shallow-showed", "--deep-showed",
                               "--batch", "--delimiter",
                               "--version", "--help"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

TEST(CalcJson, EscapesStringsIntoValidJson)
{
    using morvane::calc::jsonString;
    const std::pair<std::string, std::string> cases[] = {
        {"29%", "\"29%\""},
        {"'a\"b\\'", "\"'a\\\"b\\\\'\""},
        {"\t1\n", "\"\\u00091\\u000a\""},
        {"\xd9\xab", "\"\xd9\xab\""},            // valid UTF-8 kept
        {"a\xff" "b", "\"a\\ufffdb\""},          // invalid byte replaced
        {"\xd9", "\"\\ufffd\""},                 // cut-off sequence
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},  // surrogate
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(jsonString(text), expected);
    EXPECT_EQ(morvane::calc::jsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(morvane::calc::jsonNumber(500), "500");
}

TEST(CalcJson, NumbersHaveTheDigitsOfPrintfsSeventeenDigitFormat)
{
    // printf("%.17g") in the C locale is the reference, over hand-picked values
    // and doubles drawn from every exponent.
    std::vector<double> values = {0.0, -0.0, 1.0, -2.5, 1e300, 1e-300, 4.9e-324, 1.7976931348623157e308,
                                  123456789012345678.0, 625.00000000000034, 1e16, 1e17, 0.0001};
    std::uint64_t bits = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 20000; ++i) {
        bits ^= bits << 13;
        bits ^= bits >> 7;
        bits ^= bits << 17;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    for (const double value : values) {
        char reference[40];
        std::snprintf(reference, sizeof reference, "%.17g", value);
        ASSERT_EQ(morvane::calc::jsonNumber(value), reference);
    }
}

TEST(CalcErrorText, AppendsAPeriodAfterCharactersSortingAfterIt)
{
    const auto errorText = morvane::withClosingPeriod;
    const std::pair<std::string, std::string> cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"ends in 5", "ends in 5."},  {"done.", "done."},   {"quoted'", "quoted'"},
        {"paren)", "paren)"},         {"bang!", "bang!"},   {"space ", "space "},
        {"slash/", "slash/."},        {"", ""},
    };
    for (const auto& [message, expected] : cases) EXPECT_EQ(errorText(message), expected);
}

}  // namespace
