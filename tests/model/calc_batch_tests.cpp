// morvane-calc --batch end to end, and its CSV reading and writing.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "calc_run.h"
#include "csv_table.h"

namespace {

using calc_test::CalcRun;

const std::string kResultHeader =
    "AppAmount,LtSWD,HvSWD,LtTAW,LtAW,LtSTO,LtSD,LtDD,HvTAW,HvAW,HvSD,HvDD,Hv1STO,ltStoWarn,"
    "HvSTOWarn,error";
// The result columns of the two worked examples and of a negative light-soil storage.
const std::string kFirstExample = "25,25,25,35.0,10.0,29%,165,335,50.0,25.0,165,335,50%,hidden,hidden,";
const std::string kSecondExample = "21,19.5,19.5,31.5,12.0,38%,150,300,45.0,25.5,150,300,57%,hidden,hidden,";
const std::string kNegativeStorage = "25,50,50,35.0,-15.0,-43%,165,335,50.0,0.0,165,335,0%,shown,hidden,";
// Everything empty but the error column.
const std::string kNoResults(16, ',');
const char* const kBadDelimiter =
    "the delimiter cannot be a digit, a sign, e, E, a point, a blank, a quote, CR or LF";

std::string replaced(std::string text, char from, char to)
{
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

// The text as a comma-decimal table writes it.
std::string withSemicolons(const std::string& text) { return replaced(replaced(text, ',', ';'), '.', ','); }

CalcRun runBatch(const std::string& table, std::vector<std::string> arguments = {},
                 const char* locale = nullptr)
{
    calc_test::Redirect redirect;
    redirect.input = calc_test::scratchFile("table.csv", table);
    arguments.insert(arguments.begin(), "--batch");
    return calc_test::runCalc(arguments, locale, redirect);
}

struct BatchCase {
    const char* name;
    std::string table;
    std::string expected;
    std::vector<std::string> arguments = {};
    const char* locale = nullptr;
};

TEST(MorvaneCalcBatch, WritesOneRowPerInputRow)
{
    const BatchCase cases[] = {
        {"three fields",
         "field,rate,duration,days,cwu,root_zone\n"
         "north,10,2.5,5,5,500\nsouth,12,1.75,3,6.5,450\neast,10,2.5,10,5,500\n",
         "field,rate,duration,days,cwu,root_zone," + kResultHeader + "\n" +
             "north,10,2.5,5,5,500," + kFirstExample + "\nsouth,12,1.75,3,6.5,450," +
             kSecondExample + "\neast,10,2.5,10,5,500," + kNegativeStorage + "\n"},
        {"columns in any order", "cwu,duration,rate,root_zone,days\n6.5,1.75,12,450,3\n",
         "cwu,duration,rate,root_zone,days," + kResultHeader + "\n6.5,1.75,12,450,3," +
             kSecondExample + "\n"},
        {"missing columns take the defaults", "id,days\n7,5\n",
         "id,days," + kResultHeader + "\n7,5," + kFirstExample + "\n"},
        {"options stand in for missing columns", "days\n3\n",
         "days," + kResultHeader + "\n3," + kSecondExample + "\n",
         {"--rate", "12", "--duration", "1.75", "--cwu", "6.5", "--root-zone", "450"}},
        {"a column wins over its option", "days\n5\n",
         "days," + kResultHeader + "\n5," + kFirstExample + "\n", {"--days", "3"}},
        {"quoted fields and CRLF",
         "\"field\",\"rate\"\r\n\"a,b \"\"c\"\"\nd\",\"10\"\r\n\"\",10\r\n",
         "field,rate," + kResultHeader + "\n\"a,b \"\"c\"\"\nd\",10," + kFirstExample + "\n," +
             "10," + kFirstExample + "\n"},
        {"blank texts are kept", "farm ,rate\n x ,  10  \n",
         "farm ,rate," + kResultHeader + "\n x ,  10  ," + kFirstExample + "\n"},
        {"empty lines and a byte order mark", "\xEF\xBB\xBFrate\n\n10\r\n\r\n",
         "rate," + kResultHeader + "\n10," + kFirstExample + "\n"},
        {"comma locale uses semicolons", "rate;duration\n12;1,75\n",
         withSemicolons("rate,duration," + kResultHeader + "\n12,1.75,21" + kFirstExample.substr(2) + "\n"),
         {}, "de_DE.utf8"},
        {"comma separator option uses semicolons", "days;cwu\n3;6,5\n",
         withSemicolons("days,cwu," + kResultHeader + "\n3,6.5,25,19.5,19.5,35.0,15.5,44%,165,"
                        "335,50.0,30.5,165,335,61%,hidden,hidden,\n"),
         {"--decimal-separator", ","}},
        {"tab delimiter", "rate\tid\n10\tx,y\n",
         replaced("rate,id," + kResultHeader + "\n10,", ',', '\t') + "x,y" +
             replaced("," + kFirstExample + "\n", ',', '\t'),
         {"--delimiter", "\t"}},
    };
    for (const BatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = runBatch(c.table, c.arguments, c.locale);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, c.expected);
        EXPECT_EQ(run.err, "");
    }
}

TEST(MorvaneCalcBatch, FailingAndMalformedRowsAreReportedAndTheBatchGoesOn)
{
    const CalcRun run = runBatch(
        "rate,days\n"
        "10,0\n"           // fails in the model after three texts
        "\"1,5\",5\n"      // not a number with a point separator
        "10\n"             // too few fields
        "10,5,x\n"         // too many
        "\"10\"x,5\n"      // text after a closing quote
        "10,5\n"           // fine
        "\"12,5\n");       // unterminated to the end of the input
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "morvane-calc: 6 of 7 rows failed\n");
    EXPECT_EQ(run.out,
              "rate,days," + kResultHeader + "\n" +
              "10,0,25,0,0" + std::string(13, ',') + "Floating point division by zero.\n" +
              "\"1,5\",5" + kNoResults + "\"'1,5' is not a valid floating point value.\"\n" +
              "10," + kNoResults + "line 4: 1 field where the header has 2\n" +
              "10,5" + kNoResults + "line 5: 3 fields where the header has 2\n" +
              "10x,5" + kNoResults + "line 6: text after a closing quote\n" +
              "10,5," + kFirstExample + "\n" +
              "\"12,5\n\"," + kNoResults + "line 8: unterminated quote\n");
}

TEST(MorvaneCalcBatch, JsonLinesCarryTheRowsFields)
{
    const std::vector<std::string> single = {"--json", "--rate", "12", "--duration", "1.75",
                                             "--days", "3", "--cwu", "6.5", "--root-zone", "450"};
    std::string expected = calc_test::runCalc(single).out;
    expected.resize(expected.size() - 2);  // "}\n"
    expected += ", \"fields\": {\"id\": \"a \\\"b\\\"\", \"days\": \"3\"}}\n";
    const CalcRun run = runBatch("id,days\n\"a \"\"b\"\"\",3\n",
                                 {"--json", "--rate", "12", "--duration", "1.75", "--cwu", "6.5",
                                  "--root-zone", "450"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expected);

    const CalcRun failing = runBatch("days,x\n0\n", {"--json"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_EQ(failing.out,
              "{\"texts\": {}, \"warnings\": {}, \"light\": {}, \"heavy\": {}, \"plan\": null, "
              "\"error\": \"line 2: 1 field where the header has 2\", "
              "\"fields\": {\"days\": \"0\", \"x\": \"\"}}\n");
    EXPECT_EQ(failing.err, "morvane-calc: 1 of 1 row failed\n");
}

TEST(MorvaneCalcBatch, UsageErrorsExitWithTwoBeforeAnyOutput)
{
    const BatchCase cases[] = {
        {"no known column", "field,farm\n1,2\n",
         "the table's header names none of the columns rate, duration, days, cwu, root_zone, lightSoil, heavySoil, "
         "shallowShowed, deepShowed"},
        {"no header", "", "the table has no header"},
        {"a column twice", "rate,days,rate\n1,2,3\n", "the columns 'rate' and 'rate' both name the input rate"},
        {"header with an open quote", "\"rate\n", "the table's header: unterminated quote"},
        {"delimiter is the separator", "rate\n1\n", "the delimiter ',' is the decimal separator",
         {"--decimal-separator", ",", "--delimiter", ","}},
        {"delimiter is the locale's separator", "rate\n1\n",
         "the delimiter ',' is the decimal separator", {"--delimiter", ","}, "de_DE.utf8"},
        {"delimiter is a quote", "rate\n1\n", kBadDelimiter, {"--delimiter", "\""}},
        {"delimiter is a line feed", "rate\n1\n", kBadDelimiter, {"--delimiter", "\n"}},
    };
    for (const BatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = runBatch(c.table, c.arguments, c.locale);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "morvane-calc: " + c.expected);
    }
}

TEST(MorvaneCalcBatch, ReadsTheNamedFileOrStandardInput)
{
    const std::string path = calc_test::scratchFile("named.csv", "rate\n12\n");
    const std::string expected = "rate," + kResultHeader + "\n12,30,25,25,35.0,10.0,29%,165,335,"
                                 "50.0,25.0,165,335,50%,hidden,hidden,\n";
    EXPECT_EQ(calc_test::runCalc({"--batch", path}).out, expected);
    EXPECT_EQ(calc_test::runCalc({"--batch=" + path}).out, expected);
    EXPECT_EQ(calc_test::runCalc({"--batch", "--delimiter", ",", path}).out, expected);
    calc_test::Redirect input;
    input.input = path;
    EXPECT_EQ(calc_test::runCalc({"--batch", "-"}, nullptr, input).out, expected);

    const CalcRun missing = calc_test::runCalc({"--batch", path + ".missing"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "morvane-calc: cannot open '" + path +
                               ".missing': No such file or directory\n");
}

// Tables as spreadsheets save them and arguments as people mistype them: each
// either gives the right rows or is refused with a message that says why.
TEST(MorvaneCalcBatch, NearMissesLeftoversLimitsAndCollisionsAreNeverGuessed)
{
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string table;  // standard input
        int exitCode;
        std::string out;    // found in standard output
        std::string err;    // all of standard error but the usage line
        const char* locale = nullptr;
        bool brokenPipe = false;
        bool ignoreSigpipe = false;
    };
    const std::string mib(1 << 20, 'a');
    const std::string eAcute = "\xc3\xa9";
    std::string twentyAcutes, fifteenAcutes;
    for (int i = 0; i < 20; ++i) (i < 15 ? fifteenAcutes : twentyAcutes) += eAcute;
    twentyAcutes += fifteenAcutes;
    // Root zone 300 by hand: total water 0.07 × 300 = 21.0 and 0.1 × 300 = 30.0,
    // less the deficit 25: -4.0 (-19%, warned) and 5.0 (17%); detectors 150 and 200.
    const std::string rootZone300 = "25,25,25,21.0,-4.0,-19%,150,200,30.0,5.0,150,200,17%,shown,hidden,";
    // Three days: deficit 15, 20.0 of 35.0 (57%) and 35.0 of 50.0 (70%).
    const std::string threeDays = "25,15,15,35.0,20.0,57%,165,335,50.0,35.0,165,335,70%,hidden,hidden,";
    const std::string lookalike = " is not the input ";
    const std::string badDelimiter = "morvane-calc: " + std::string(kBadDelimiter) + "\n";
    const Case cases[] = {
        {"near-miss spellings are the inputs", {"--batch"},
         "Rate (mm/h), Duration [h],Days,CWU,RootZone\n12,1.75,3,6.5,450\n", 0,
         "Rate (mm/h), Duration [h],Days,CWU,RootZone," + kResultHeader + "\n12,1.75,3,6.5,450," +
             kSecondExample + "\n", ""},
        {"a blank in the name", {"--batch"}, "field,rate,root zone\nA,10,300\n", 0,
         "\nA,10,300," + rootZone300 + "\n", ""},
        {"a unit in brackets", {"--batch"}, "Root_Zone (mm)\n300\n", 0, "\n300," + rootZone300 + "\n", ""},
        {"another unit is refused", {"--batch"}, "rate,Duration (min)\n10,150\n", 2, "",
         "morvane-calc: the column 'Duration (min)' has the unit 'min': duration is read in h\n"},
        {"a name with more words", {"--batch"}, "rate,root_zone_mm\n10,300\n", 2, "",
         "morvane-calc: the column 'root_zone_mm'" + lookalike + "root_zone but looks like it: "
         "name it root_zone, or rename it to carry it\n"},
        {"the input's other words", {"--batch"}, "crop water use,days\n6.5,3\n", 2, "",
         "morvane-calc: the column 'crop water use'" + lookalike + "cwu but looks like it: "
         "name it cwu, or rename it to carry it\n"},
        {"lookalikes beside their input, and other words, are carried", {"--batch"},
         "days,days to harvest,ratepayer,zone\n3,90,x,north\n", 0,
         "\n3,90,x,north," + threeDays + "\n", ""},
        {"one input twice", {"--batch"}, "rate,Rate (mm/h)\n1,2\n", 2, "",
         "morvane-calc: the columns 'rate' and 'Rate (mm/h)' both name the input rate\n"},
        {"columns named like results are renamed", {"--batch"},
         "rate,LtSTO,Error,input.error,input.LtPlanRootZoneHours\n10,a,b,c,d\n", 0,
         "rate,input.LtSTO,input.input.Error,input.error,input.LtPlanRootZoneHours," +
             kResultHeader + "\n10,a,b,c,d," + kFirstExample + "\n", ""},
        {"rows a spreadsheet leaves are skipped", {"--batch"},
         "rate,days\n,\n10,5\n,,,\n\"\",\"\"\n\n", 0,
         "rate,days," + kResultHeader + "\n10,5," + kFirstExample + "\n", ""},
        {"a cell of 1 MiB is read", {"--batch"}, "rate,note\n10," + mib + "\n", 0,
         "\n10," + mib + "," + kFirstExample + "\n", ""},
        {"a cell of one byte more fails its row", {"--batch"}, "rate,note\n10," + mib + "a\n10,b\n", 1,
         "\n10," + kNoResults + "line 2: a cell longer than 1 MiB\n10,b," + kFirstExample + "\n",
         "morvane-calc: 1 of 2 rows failed\n"},
        {"a quote open to the end", {"--batch"}, "rate,note\n10,\"" + mib + "\n" + mib, 1,
         "\n10," + kNoResults + "line 2: a cell longer than 1 MiB\n", "morvane-calc: 1 of 1 row failed\n"},
        {"a row of more than 4 MiB", {"--batch"},
         "rate,a,b,c,d\n10," + mib + "," + mib + "," + mib + "," + mib + "\n", 1,
         "line 2: a row longer than 4 MiB\n", "morvane-calc: 1 of 1 row failed\n"},
        {"16384 cells, then one more", {"--batch"},
         "rate\n1" + std::string(16383, ',') + "\n1" + std::string(16384, ',') + "\n", 1,
         kNoResults + "line 2: 16384 fields where the header has 1\n1" + kNoResults +
             "line 3: more than 16384 cells\n",
         "morvane-calc: 2 of 2 rows failed\n"},
        {"a long bad number is quoted short", {"--batch"}, "rate\n" + std::string(40, 'x') + "\n", 1,
         std::string(40, 'x') + kNoResults + "'" + std::string(32, 'x') +
             "...' is not a valid floating point value.\n",
         "morvane-calc: 1 of 1 row failed\n"},
        {"and never cut inside a character", {"--batch"}, "rate\n1" + twentyAcutes + "\n", 1,
         "'1" + fifteenAcutes + "...' is not", "morvane-calc: 1 of 1 row failed\n"},
        {"an option is no value", {"--rate", "--days", "5"}, "", 2, "", "morvane-calc: --rate has no value\n"},
        {"a negative number is", {"--days", "-11"}, "", 1, "LtSWD=-55\n", "Floating point division by zero.\n"},
        {"the delimiter's value", {"--batch", "--delimiter", "--json"}, "", 2, "",
         "morvane-calc: --delimiter has no value\n"},
        {"the separator's value", {"--decimal-separator"}, "", 2, "",
         "morvane-calc: --decimal-separator has no value\n"},
        {"the encoding's value", {"--batch", "--input-encoding", "--plan"}, "", 2, "",
         "morvane-calc: --input-encoding has no value\n"},
        {"a broken pipe with SIGPIPE ignored", {"--batch"}, "rate,days\n10,5\n10,0\n", 1, "",
         "morvane-calc: cannot write the output: Broken pipe\n", nullptr, true, true},
        {"a broken pipe ends it quietly", {"--batch"}, "rate,days\n10,5\n10,0\n", 128 + SIGPIPE, "", "",
         nullptr, true},
        {"a digit delimiter", {"--batch", "--delimiter", "5"}, "rate\n1\n", 2, "", badDelimiter},
        {"an exponent delimiter", {"--batch", "--delimiter", "e"}, "rate\n1\n", 2, "", badDelimiter},
        {"a sign delimiter", {"--batch", "--delimiter", "-"}, "rate\n1\n", 2, "", badDelimiter},
        {"a blank delimiter", {"--batch", "--delimiter", " "}, "rate\n1\n", 2, "", badDelimiter},
        {"a point delimiter with a comma separator",
         {"--batch", "--delimiter", ".", "--decimal-separator", ","}, "rate\n1\n", 2, "", badDelimiter},
        {"a Windows-1252 table in JSON", {"--batch", "--json", "--input-encoding", "latin1"},
         "field,rate\nS\xfc" "d \x80,10\n", 0,
         "\"fields\": {\"field\": \"S\xc3\xbc" "d \xe2\x82\xac\", \"rate\": \"10\"}}\n", ""},
        {"and in a comma locale's table", {"--batch", "--input-encoding=latin1"},
         "field;duration\nS\xfc" "d;1,75\n", 0, "\nS\xc3\xbc" "d;1,75;18;25;25;35,0;10,0;29%;", "",
         "de_DE.utf8"},
        {"a Windows-1252 table read as UTF-8", {"--batch", "--json"}, "field,rate\nS\xfc" "d,10\n", 0,
         "\"fields\": {\"field\": \"S\\ufffdd\", \"rate\": \"10\"}}\n",
         "morvane-calc: line 2 is not UTF-8, and JSON shows its stray bytes as U+FFFD; for a "
         "Latin-1 or Windows-1252 table, use --input-encoding latin1\n"},
        {"an unknown encoding", {"--batch", "--input-encoding", "cp1252"}, "rate\n1\n", 2, "",
         "morvane-calc: --input-encoding takes utf-8 or latin1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc_test::Redirect redirect;
        redirect.input = calc_test::scratchFile("table.csv", c.table);
        redirect.brokenPipe = c.brokenPipe;
        redirect.ignoreSigpipe = c.ignoreSigpipe;
        const CalcRun run = calc_test::runCalc(c.arguments, c.locale, redirect);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.out.empty())
            EXPECT_EQ(run.out.substr(0, 200), "");
        else
            EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out.substr(0, 400);
        std::string err = run.err;
        if (const auto usage = err.find("usage: morvane-calc "); usage != std::string::npos)
            err.resize(usage);
        EXPECT_EQ(err, c.err);
    }
}

// ---------------------------------------------------------------- CSV reading

struct ReadRecord {
    std::vector<std::string> fields;
    long line;
    std::string error;
};

std::vector<ReadRecord> readAll(const std::string& text, char delimiter)
{
    int ends[2];
    if (pipe(ends) != 0) return {};
    // The inputs are far smaller than a pipe's buffer.
    if (write(ends[1], text.data(), text.size()) != static_cast<ssize_t>(text.size())) return {};
    close(ends[1]);
    morvane::calc::CsvReader reader(ends[0], delimiter);
    std::vector<ReadRecord> records;
    morvane::calc::CsvRecord record;
    while (reader.next(record)) {
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < record.count(); ++i) fields.emplace_back(record.field(i));
        records.push_back({fields, record.line, record.error});
    }
    close(ends[0]);
    return records;
}

TEST(CsvReader, SplitsRecordsAndFields)
{
    struct Case {
        const char* name;
        std::string text;
        char delimiter;
        std::vector<ReadRecord> expected;
    };
    const Case cases[] = {
        {"plain", "a,b\nc,d", ',', {{{"a", "b"}, 1, ""}, {{"c", "d"}, 2, ""}}},
        {"empty fields", ",\n,x,\n", ',', {{{"", ""}, 1, ""}, {{"", "x", ""}, 2, ""}}},
        {"CRLF and lone CR", "a\r\nb\rc\n", ',', {{{"a"}, 1, ""}, {{"b"}, 2, ""}, {{"c"}, 3, ""}}},
        {"quotes", "\"a;b\";\"\"\"\";x\"y\n", ';', {{{"a;b", "\"", "x\"y"}, 1, ""}}},
        {"line breaks in quotes count as lines", "\"1\r\n2\n3\",x\nnext\n", ',',
         {{{"1\r\n2\n3", "x"}, 1, ""}, {{"next"}, 4, ""}}},
        {"blank lines skipped", "\n\r\na\n\n\nb\n", ',', {{{"a"}, 3, ""}, {{"b"}, 6, ""}}},
        {"byte order mark only at the start", "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b\n", ',',
         {{{"a"}, 1, ""}, {{"\xEF\xBB\xBF" "b"}, 2, ""}}},
        {"text after a closing quote", "\"a\"b,c\nd\n", ',',
         {{{"ab", "c"}, 1, "text after a closing quote"}, {{"d"}, 2, ""}}},
        {"unterminated quote", "a,\"b\nc", ',', {{{"a", "b\nc"}, 1, "unterminated quote"}}},
        {"nothing", "", ',', {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ReadRecord> records = readAll(c.text, c.delimiter);
        ASSERT_EQ(records.size(), c.expected.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].fields, c.expected[i].fields) << "record " << i;
            EXPECT_EQ(records[i].line, c.expected[i].line) << "record " << i;
            EXPECT_EQ(records[i].error, c.expected[i].error) << "record " << i;
        }
    }
}

TEST(CsvWriter, QuotesOnlyWhatNeedsIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"35.0", "35.0"},     {"", ""},           {"a b", "a b"},
        {"1,5", "\"1,5\""},   {"say \"x\"", "\"say \"\"x\"\"\""},
        {"two\nlines", "\"two\nlines\""},         {"cr\r", "\"cr\r\""},
    };
    for (const auto& [field, expected] : cases) {
        std::string out;
        morvane::calc::appendCsvField(out, field, ',');
        EXPECT_EQ(out, expected);
    }
    std::string semicolon;
    morvane::calc::appendCsvField(semicolon, "1,5;2", ';');
    EXPECT_EQ(semicolon, "\"1,5;2\"");
}

}  // namespace
