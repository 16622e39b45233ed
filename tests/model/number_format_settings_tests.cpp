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

// One load after another, so each row also shows that a reload follows the
// locale. The decimal separator of ps_AF is U+066B, two bytes in UTF-8; an
// unknown locale cannot be loaded: both keep the point.
TEST_F(LocaleSettingsTest, EachLocaleGivesItsSeparatorToParseAndFormats)
{
    const struct {
        const char* locale;
        char separator;
        const char* text;       // "2.5" as typed in the locale
        const char* foreign;    // the other separator's "2.5", no number there
        const char* formatted;  // 35 with one decimal
    } rows[] = {
        {"de_DE.utf8", ',', "2,5", "2.5", "35,0"},
        {"C.UTF-8", '.', "2.5", "2,5", "35.0"},
        {"ps_AF", '.', "2.5", "2,5", "35.0"},
        {"de_DE.utf8", ',', "2,5", "2.5", "35,0"},
        {"xx_NOWHERE.utf8", '.', "2.5", "2,5", "35.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        loadFrom(row.locale);
        EXPECT_EQ(numberFormatSettings().decimalSeparator, row.separator);
        EXPECT_EQ(parseNumber(row.text), 2.5);
        EXPECT_THROW(parseNumber(row.foreign), EConvertError);
        EXPECT_EQ(formatFixed(35, 1), row.formatted);
    }
}

}  // namespace
