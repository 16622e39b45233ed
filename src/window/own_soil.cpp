#include "own_soil.h"

#include <QStringList>

#include "localised_number_text.h"
#include "number_format_settings.h"

using namespace Qt::StringLiterals;

namespace morvane {

SoilSlots modelSoils(const WindowSoils& soils)
{
    SoilSlots inRun;
    if (soils.light)
        inRun.light = soils.light->record;
    if (soils.heavy)
        inRun.heavy = soils.heavy->record;
    return inRun;
}

QString soilCaption(SoilSlot slot, const std::optional<OwnSoil>& soil)
{
    const bool light = slot == SoilSlot::light;
    if (!soil)
        return light ? u"Light textured soil"_s : u"Heavy textured soil"_s;
    if (!soil->name.isEmpty())
        return soil->name;
    return light ? u"Light slot: own soil"_s : u"Heavy slot: own soil"_s;
}

QString soilValuesDescription(SoilSlot slot, const OwnSoil& soil)
{
    QStringList values;
    for (const SoilValue value : kSoilValues)
        values << QString::fromLatin1(soilValueName(value)) + u' ' +
                      typedValueText(soil.valueTexts[static_cast<std::size_t>(value)]).trimmed();
    const QString slotName = slot == SoilSlot::light ? u"light"_s : u"heavy"_s;
    return u"Own soil in the "_s + slotName + u" slot: "_s + values.join(u", "_s) +
           u" (m³/m³)"_s;
}

QString portableValueText(const QString& typed)
{
    QString text = typed;
    return text.replace(QLatin1Char(numberFormatSettings().decimalSeparator), u'.');
}

QString typedValueText(const QString& portable) { return localisedNumberText(portable); }

}  // namespace morvane
