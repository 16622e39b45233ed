// Loading the number format settings from the user's locale.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "failures.h"
#include "format_number.h"
#include "number_format_settings.h"
#include "parse_number.h"

using namespace morvane;

namespace {

// Sets LC_ALL for one test; restores it and the settings afterwards.
class LocaleSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* current = std::getenv("LC_ALL")) savedLocale_ = current;
        savedSettings_ = numberFormatSettings();
    }
    void TearDown() override
    {
        if (savedLocale_) setenv("LC_ALL", savedLocale_->c_str(), 1);
        else unsetenv("LC_ALL");
        numberFormatSettings() = savedSettings_;
    }
    void loadFrom(const char* locale)
    {
        setenv("LC_ALL", locale, 1);
        loadNumberFormatSettings();
    }

private:
    std::optional<std::string> savedLocale_;
    NumberFormatSettings savedSettings_;
};

TEST_F(LocaleSettingsTest, CommaLocaleGivesCommaToParseAndFormats)
{
    loadFrom("de_DE.utf8");
    EXPECT_EQ(numberFormatSettings().decimalSeparator, ',');
    EXPECT_EQ(numberFormatSettings().thousandSeparator, '.');
    EXPECT_EQ(parseNumber("2,5"), 2.5);
    EXPECT_THROW(parseNumber("2.5"), EConvertError);
    EXPECT_EQ(formatFixed(35, 1), "35,0");
}

TEST_F(LocaleSettingsTest, MultibyteSeparatorFallsBackToThePoint)
{
    // The decimal separator of ps_AF is U+066B, two bytes in UTF-8.
    loadFrom("ps_AF");
    EXPECT_EQ(numberFormatSettings().decimalSeparator, '.');
    EXPECT_EQ(numberFormatSettings().thousandSeparator, ',');
    EXPECT_EQ(parseNumber("2.5"), 2.5);
    EXPECT_EQ(formatFixed(35, 1), "35.0");
}

TEST_F(LocaleSettingsTest, PlainLocaleAndUnknownLocaleGiveTheDefaults)
{
    for (const char* locale : {"C.UTF-8", "xx_NOWHERE.utf8"}) {
        SCOPED_TRACE(locale);
        numberFormatSettings() = {';', ';'};
        loadFrom(locale);
        EXPECT_EQ(numberFormatSettings().decimalSeparator, '.');
        EXPECT_EQ(numberFormatSettings().thousandSeparator, ',');
    }
}

TEST_F(LocaleSettingsTest, ReloadingFollowsTheLocale)
{
    loadFrom("de_DE.utf8");
    EXPECT_EQ(numberFormatSettings().decimalSeparator, ',');
    loadFrom("C.UTF-8");
    EXPECT_EQ(numberFormatSettings().decimalSeparator, '.');
}

}  // namespace
