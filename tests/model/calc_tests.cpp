// morvane-calc end to end: the built program run with arguments, its exit
// code, standard output and standard error; plus its JSON and error texts.

#include <gtest/gtest.h>

#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "failures.h"
#include "json_text.h"
#include "result_report.h"
#include "wetting_front_model.h"

extern char** environ;

namespace {

struct CalcRun {
    int exitCode = -1;
    std::string out, err;
};

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return text;
}

// Runs morvane-calc with the arguments; `locale`, when given, becomes LC_ALL.
CalcRun runCalc(const std::vector<std::string>& arguments, const char* locale = nullptr)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("LC_ALL=", 0) != 0) env.emplace_back(*e);
    env.push_back(std::string("LC_ALL=") + (locale ? locale : "C.UTF-8"));

    // A cross-built morvane-calc runs through the emulator.
#ifdef MORVANE_CALC_EMULATOR
    const char* const program = MORVANE_CALC_EMULATOR;
    std::vector<char*> argv{const_cast<char*>(program), const_cast<char*>(MORVANE_CALC_PATH)};
#else
    const char* const program = MORVANE_CALC_PATH;
    std::vector<char*> argv{const_cast<char*>(program)};
#endif
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    CalcRun result;
    // The outputs are a few hundred bytes, well within one pipe buffer each.
    result.out = readAll(outPipe[0]);
    result.err = readAll(errPipe[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}

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
              ", \"error\": null}\n");
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
              "}, \"heavy\": {}, \"error\": \"Floating point division by zero.\"}\n");
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

    // The comma locale rejects the point of the default duration text, as the window does.
    const CalcRun german = runCalc({}, "de_DE.utf8");
    EXPECT_EQ(german.exitCode, 1);
    EXPECT_EQ(german.err, "'2.5' is not a valid floating point value.\n");
    EXPECT_NE(runCalc({"--duration", "2,5"}, "de_DE.utf8").out.find("LtAW=10,0\n"), std::string::npos);
    // The option wins over the locale; a multibyte separator locale reads the point.
    EXPECT_EQ(runCalc({"--decimal-separator", "."}, "de_DE.utf8").out, kFirstWorkedExample);
    EXPECT_EQ(runCalc({}, "ps_AF").out, kFirstWorkedExample);
}

TEST(MorvaneCalc, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"}, {"--rate"}, {"500"}, {"--decimal-separator", ",,"},
        {"--decimal-separator", ""}, {"--json=yes"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.front());
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: morvane-calc [--rate T]"), std::string::npos);
    }
}

TEST(MorvaneCalc, HelpExplainsEveryOption)
{
    const CalcRun run = runCalc({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--rate", "--duration", "--days", "--cwu", "--root-zone",
                               "--decimal-separator", "--json", "--help"})
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
