#include "localised_number_text.h"

#include "number_format_settings.h"

using namespace Qt::StringLiterals;

namespace morvane {

QString localisedNumberText(const QString& storedText)
{
    const char separator = numberFormatSettings().decimalSeparator;
    QString text = storedText;
    text.replace(u'.', QString::fromLocal8Bit(&separator, 1));
    return text;
}

}  // namespace morvane
