#include "localised_number_text.h"

#include "number_text_localisation.h"

namespace morvane {

QString localisedNumberText(const QString& storedText)
{
    return QString::fromLocal8Bit(localisedNumberText(storedText.toLocal8Bit().toStdString()));
}

}  // namespace morvane
