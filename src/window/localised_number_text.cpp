#include "localised_number_text.h"

#include "number_format_settings.h"

namespace morvane {

QString localisedNumberText(const QString& storedText)
{
    const char separator = numberFormatSettings().decimalSeparator;
    QString text = storedText;
    text.replace(QLatin1Char('.'), QString::fromLocal8Bit(&separator, 1));
    return text;
}

}  // namespace morvane
