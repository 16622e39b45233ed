#include "soil_settings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

QString group(SoilSlot slot) { return slot == SoilSlot::light ? u"lightSoil"_s : u"heavySoil"_s; }

// A text read back as it was stored, also where the settings file format
// would take an unquoted comma for a list.
QString storedText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

// The stored soil of one slot, or why it cannot be used.
std::optional<OwnSoil> readStoredSoil(const QString& name, const QString& values, QString& problem)
{
    if (const auto nameProblem = soilNameProblem(name.toStdString())) {
        problem = QString::fromStdString(*nameProblem);
        return std::nullopt;
    }
    OwnSoil soil;
    soil.name = name;
    const QStringList texts = values.split(u':');
    for (std::size_t i = 0; i < kSoilValueCount && i < static_cast<std::size_t>(texts.size()); ++i)
        soil.valueTexts[i] = texts[static_cast<qsizetype>(i)];
    const SoilReading reading = readSoilText(typedValueText(values).toStdString());
    if (!reading.soil) {
        problem = QString::fromStdString(reading.problems.front().detail);
        return std::nullopt;
    }
    soil.record = *reading.soil;
    return soil;
}

}  // namespace

WindowSoils loadSoils(QSettings& settings, QStringList& problems)
{
    WindowSoils soils;
    for (const SoilSlot slot : kSoilSlots) {
        settings.beginGroup(group(slot));
        const bool stored = !settings.childKeys().isEmpty();
        QString problem;
        if (stored)
            soils.in(slot) = readStoredSoil(storedText(settings.value(u"name"_s)),
                                            storedText(settings.value(u"values"_s)), problem);
        settings.endGroup();
        if (problem.isEmpty())
            continue;
        settings.remove(group(slot));
        problems << u"The soil stored for the "_s +
                        (slot == SoilSlot::light ? u"light"_s : u"heavy"_s) +
                        u" slot is not used: "_s + problem + u'.';
    }
    return soils;
}

bool storeSoils(QSettings& settings, const WindowSoils& soils)
{
    for (const SoilSlot slot : kSoilSlots) {
        settings.remove(group(slot));
        const std::optional<OwnSoil>& soil = soils.in(slot);
        if (!soil)
            continue;
        settings.beginGroup(group(slot));
        settings.setValue(u"name"_s, soil->name);
        settings.setValue(u"values"_s, QStringList(soil->valueTexts.begin(), soil->valueTexts.end())
                                           .join(u':'));
        settings.endGroup();
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace morvane
