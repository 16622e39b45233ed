// morvane-calc with soils of one's own: --light-soil and --heavy-soil, the
// JSON "soils", the batch's soil columns, and the built-in values given as
// soils changing no byte of any output.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_run.h"

namespace {

using calc_test::CalcRun;
using calc_test::runCalc;

const std::vector<std::string> kBuiltInSoils = {"--light-soil", "0.14:0.07:0.18:0.25",
                                                "--heavy-soil", "0.32:0.22:0.34:0.38"};

CalcRun runBatch(const std::string& table, std::vector<std::string> arguments = {})
{
    calc_test::Redirect redirect;
    redirect.input = calc_test::scratchFile("soils.csv", table);
    arguments.insert(arguments.begin(), "--batch");
    return runCalc(arguments, nullptr, redirect);
}

TEST(MorvaneCalcSoils, BuiltInValuesGivenAsSoilsChangeNoByte)
{
    const std::vector<std::vector<std::string>> runs = {
        {},
        {"--rate", "12", "--duration", "1.75", "--days", "3", "--cwu", "6.5", "--root-zone", "450"},
        {"--days", "10"},           // a negative light storage
        {"--days", "0"},            // fails after three texts
        {"--root-zone", "0.5"},     // fails at the light storage
        {"--rate", "1e-310"},       // the plan fails
    };
    for (std::vector<std::string> arguments : runs) {
        for (const char* form : {"", "--json", "--plan"}) {
            if (*form) arguments.push_back(form);
            std::vector<std::string> withSoils = arguments;
            withSoils.insert(withSoils.end(), kBuiltInSoils.begin(), kBuiltInSoils.end());
            const CalcRun builtIn = runCalc(arguments), given = runCalc(withSoils);
            SCOPED_TRACE(testing::PrintToString(withSoils));
            EXPECT_EQ(given.out, builtIn.out);
            EXPECT_EQ(given.err, builtIn.err);
            EXPECT_EQ(given.exitCode, builtIn.exitCode);
            if (*form) arguments.pop_back();
        }
    }
    // The same with the comma.
    EXPECT_EQ(runCalc({"--light-soil", "0,14:0,07:0,18:0,25", "--duration", "2,5"}, "de_DE.utf8").out,
              runCalc({"--duration", "2,5"}, "de_DE.utf8").out);
}

TEST(MorvaneCalcSoils, ABadSoilIsAUsageError)
{
    const struct {
        std::vector<std::string> arguments;
        const char* locale;
        const char* message;
    } cases[] = {
        {{"--light-soil", "0.14:0.15:0.18:0.25"}, nullptr,
         "Light soil: the wilting point must be below the field capacity (0.15 is not below 0.14)."},
        {{"--heavy-soil=0,30:0,35:0,4:0,45"}, "de_DE.utf8",
         "Heavy soil: the wilting point must be below the field capacity (0,35 is not below 0,3)."},
        {{"--heavy-soil", "0.2:0.1:0.23:0.3", "--decimal-separator", ","}, nullptr,
         "Heavy soil: the field capacity '0.2' is not a number."},
        {{"--light-soil", "0.2:0.1:0.23"}, nullptr,
         "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER ('0.2:0.1:0.23' "
         "has 3)."},
        {{"--light-soil", ""}, nullptr,
         "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER ('' has 1)."},
        {{"--batch", "--light-soil", "0.2:0.1:0.23:1e999"}, nullptr,
         "Light soil: the upper water content '1e999' is out of range."},
        {{"--light-soil", "0:2:0:1:0:23:0:3", "--decimal-separator", ":"}, nullptr,
         "Light soil: the values of a soil are separated by colons, so the decimal separator "
         "cannot be a colon."},
        {{"--light-soil"}, nullptr, "--light-soil has no value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CalcRun run = runCalc(c.arguments, c.locale);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "morvane-calc: " + std::string(c.message));
    }
}

TEST(MorvaneCalcSoils, JsonReportsTheSoilsUsed)
{
    // The light slot's soil worked by hand: total 0.1 x 500 = 50.0, available
    // 25.0, storage 50%, detection depth 25 / 0.08 = 312.5.
    const CalcRun run = runCalc({"--light-soil", "0.2:0.1:0.23:0.3", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\"LtTAW\": \"50.0\", \"LtAW\": \"25.0\", \"LtSTO\": \"50%\""),
              std::string::npos);
    EXPECT_NE(run.out.find("\"maxDetectionDepth\": 312.50000000000006"), std::string::npos);
    EXPECT_NE(run.out.find(
                  ", \"soils\": {\"light\": {\"fieldCapacity\": 0.20000000000000001, "
                  "\"wiltingPoint\": 0.10000000000000001, \"detectionContent\": 0.23000000000000001, "
                  "\"upperContent\": 0.29999999999999999}, \"heavy\": {\"fieldCapacity\": "
                  "0.32000000000000001, \"wiltingPoint\": 0.22, \"detectionContent\": "
                  "0.34000000000000002, \"upperContent\": 0.38}}, \"plan\": "),
              std::string::npos)
        << run.out;
    // A run that fails before the soils' steps used neither.
    const CalcRun failed = runCalc({"--light-soil", "0.2:0.1:0.23:0.3", "--json", "--cwu", "x"});
    EXPECT_NE(failed.out.find("\"heavy\": {}, \"plan\": null"), std::string::npos) << failed.out;
}

TEST(MorvaneCalcSoils, BatchRowsTakeTheirOwnSoils)
{
    const std::string header =
        "id,lightSoil,AppAmount,LtSWD,HvSWD,LtTAW,LtAW,LtSTO,LtSD,LtDD,HvTAW,HvAW,HvSD,HvDD,Hv1STO,"
        "ltStoWarn,HvSTOWarn,error\n";
    const CalcRun run = runBatch("id,lightSoil\n"
                                 "own,0.2:0.1:0.23:0.3\n"
                                 "bad,0.2:0.3:0.23:0.3\n"
                                 "option,\n"
                                 "blank,  \n",
                                 {"--light-soil", "0.18:0.06:0.2:0.3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "morvane-calc: 1 of 4 rows failed\n");
    // The row's own soil: total 0.1 x 500 = 50.0, available 25.0, 50%; the
    // option's: total 0.12 x 500 = 60.0, available 35.0, 58%.
    const std::string ownSoil = "25,25,25,50.0,25.0,50%,165,335,50.0,25.0,165,335,50%,hidden,hidden,";
    const std::string optionSoil = "25,25,25,60.0,35.0,58%,165,335,50.0,25.0,165,335,50%,hidden,hidden,";
    EXPECT_EQ(run.out, header + "own,0.2:0.1:0.23:0.3," + ownSoil + "\n" +
                           "bad,0.2:0.3:0.23:0.3" + std::string(16, ',') +
                           "line 3: Light soil: the wilting point must be below the field capacity "
                           "(0.3 is not below 0.2).\n" +
                           "option,," + optionSoil + "\nblank,  ," + optionSoil + "\n");
}

}  // namespace
