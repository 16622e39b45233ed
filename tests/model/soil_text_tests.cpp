// A soil of one's own: the soil text and the rule a soil keeps, its name,
// and the built-in values read back as the built-in constants.

#include <gtest/gtest.h>

#include <string>

#include "number_format_settings.h"
#include "soil_text.h"

using namespace morvane;

namespace {

// The message for the soil text in the light slot, or "valid".
std::string lightSoilVerdict(const std::string& text, char separator)
{
    const NumberFormatSettings saved = numberFormatSettings();
    numberFormatSettings().decimalSeparator = separator;
    const SoilReading reading = readSoilText(text);
    numberFormatSettings() = saved;
    if (reading.soil) return "valid";
    return soilProblemMessage(SoilSlot::light, reading.problems.front());
}

TEST(SoilText, ReadsFourValuesAndKeepsTheRule)
{
    const struct {
        const char* text;
        char separator;
        const char* verdict;
    } cases[] = {
        {"0.2:0.1:0.23:0.3", '.', "valid"},
        {" 0.2 :0.1: 2.3e-1 :+.3", '.', "valid"},  // read by the parse rule, blanks and all
        {"0,20:0,10:0,23:0,30", ',', "valid"},
        // Each link of 0 < WP < FC < DETECT < UPPER < 1.
        {"0.2:0:0.23:0.3", '.', "Light soil: the wilting point must be above 0 (0 is not above 0)."},
        {"0.2:-0.1:0.23:0.3", '.',
         "Light soil: the wilting point must be above 0 (-0.1 is not above 0)."},
        {"0.14:0.15:0.18:0.25", '.',
         "Light soil: the wilting point must be below the field capacity (0.15 is not below 0.14)."},
        {"0.14:0.14:0.18:0.25", '.',
         "Light soil: the wilting point must be below the field capacity (0.14 is not below 0.14)."},
        {"0.2:0.1:0.2:0.3", '.',
         "Light soil: the detection water content must be above the field capacity (0.2 is not "
         "above 0.2)."},
        {"0.2:0.1:0.3:0.25", '.',
         "Light soil: the upper water content must be above the detection water content (0.25 is "
         "not above 0.3)."},
        {"0,2:0,1:0,23:1", ',', "Light soil: the upper water content must be below 1 (1 is not below 1)."},
        {"20:10:23:30", '.',  // percentages, not fractions: the first link broken is the last
         "Light soil: the upper water content must be below 1 (30 is not below 1)."},
        // The values are held as doubles: beyond their range, or below it.
        {"1e400:0.1:0.23:0.3", '.', "Light soil: the field capacity '1e400' is out of range."},
        {"0.2:1e-400:0.23:0.3", '.', "Light soil: the wilting point must be above 0 (0 is not above 0)."},
        // Texts that are no soil.
        {"0.2:0.1:0.23", '.',
         "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER ('0.2:0.1:0.23' "
         "has 3)."},
        {"", '.', "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER ('' has 1)."},
        {"0.2:0.1:0.23:0.3:", '.',
         "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER "
         "('0.2:0.1:0.23:0.3:' has 5)."},
        {"0.2::0.23:0.3", '.', "Light soil: the wilting point is missing."},
        {"0.2:  :0.23:0.3", '.', "Light soil: the wilting point is missing."},
        {"0.2:0.1:x:0.3", '.', "Light soil: the detection water content 'x' is not a number."},
        {"0.2:0.1:0.23:0.3", ',', "Light soil: the field capacity '0.2' is not a number."},
        {"0,2:0,1:0,23:0,3", '.', "Light soil: the field capacity '0,2' is not a number."},
        {"0.2;0.1;0.23;0.3", '.',
         "Light soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER "
         "('0.2;0.1;0.23;0.3' has 1)."},
        {"0\t.2:0.1:0.23:0.3", '.', "Light soil: the field capacity '0\t.2' is not a number."},
        // With the colon as the decimal separator a soil text cannot be read at all.
        {"0:2:0:1", ':', "Light soil: the values of a soil are separated by colons, so the decimal "
                         "separator cannot be a colon."},
    };
    for (const auto& c : cases) EXPECT_EQ(lightSoilVerdict(c.text, c.separator), c.verdict) << c.text;
}

TEST(SoilText, EveryBadValueIsToldAndTheRuleAfterThem)
{
    const SoilReading reading = readSoilValues({"x", "0.3", "", "0.1"});
    ASSERT_EQ(reading.problems.size(), 2u);
    EXPECT_EQ(reading.problems[0].value, SoilValue::fieldCapacity);
    EXPECT_EQ(reading.problems[1].value, SoilValue::detectionContent);
    // Once all four are numbers, the rule: the wilting point is blamed first.
    const SoilReading numbers = readSoilValues({"0.2", "0.3", "0.23", "0.1"});
    ASSERT_EQ(numbers.problems.size(), 1u);
    EXPECT_EQ(numbers.problems[0].value, SoilValue::wiltingPoint);
    EXPECT_EQ(soilProblemMessage(SoilSlot::heavy, numbers.problems[0]),
              "Heavy soil: the wilting point must be below the field capacity (0.3 is not below 0.2).");
}

TEST(SoilText, BuiltInValuesReadAsTheBuiltInConstants)
{
    EXPECT_EQ(readSoilText("0.14:0.07:0.18:0.25").soil, kLightSoil);
    EXPECT_EQ(readSoilText("0.32:0.22:0.34:0.38").soil, kHeavySoil);
    EXPECT_FALSE(brokenSoilRule(kLightSoil));
    EXPECT_FALSE(brokenSoilRule(kHeavySoil));
}

TEST(SoilName, IsShortPlainText)
{
    const struct {
        std::string name;
        const char* problem;  // empty: a name
    } cases[] = {
        {"", ""},
        {"Loam, north block", ""},
        {"Lehm über dem Bach, Süd", ""},             // 23 characters, 25 bytes
        {std::string(24, 'W'), ""},
        {std::string(25, 'W'), "the name is longer than 24 characters (it has 25)"},
        {"Loam\tnorth", "the name cannot hold a control character such as a tab or a line break"},
        {"Loam\nnorth", "the name cannot hold a control character such as a tab or a line break"},
        {"Loam\xc2\x85north", "the name cannot hold a control character such as a tab or a line break"},
        {"Loam\xe2\x80\xa8north", "the name cannot hold a control character such as a tab or a line break"},
        {"Loam \xff", "the name is not UTF-8 text"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(soilNameProblem(c.name).value_or(""), c.problem) << c.name;
}

}  // namespace
