#include "number_text_localisation.h"

#include "number_format_settings.h"

namespace morvane {

std::string localisedNumberText(std::string_view storedText)
{
    const char separator = numberFormatSettings().decimalSeparator;
    std::string text(storedText);
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

}  // namespace morvane
