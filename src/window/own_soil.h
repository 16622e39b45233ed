#pragma once
// The soils of the window's two slots: the built-in ones, or a soil of the
// user's own in either, with its name and its values as typed.
//
// Captions, with the default (built-in) soils and with own soils:
//   light: "Light textured soil"   named "Loam, north block"   unnamed "Light slot: own soil"
//   heavy: "Heavy textured soil"   ...                         "Heavy slot: own soil"
// An own soil's values in words, for its caption's tooltip and Copy results:
//   "Own soil in the light slot: field capacity 0.2, wilting point 0.1,
//    detection water content 0.23, upper water content 0.3 (m³/m³)"
// with the values as typed, in the active decimal separator.

#include <QString>

#include <array>
#include <optional>

#include "soil_text.h"
#include "wetting_front_model.h"

namespace morvane {

struct OwnSoil {
    QString name;  // may be empty
    // The four values as typed, in the order of kSoilValues, with "." for the
    // decimal separator whatever the locale: kept so, a soil reads as the
    // same doubles in every locale.
    std::array<QString, kSoilValueCount> valueTexts;
    SoilRecord record;  // what the texts read as; a valid soil
};

struct WindowSoils {
    std::optional<OwnSoil> light, heavy;

    std::optional<OwnSoil>& in(SoilSlot slot) { return slot == SoilSlot::light ? light : heavy; }
    const std::optional<OwnSoil>& in(SoilSlot slot) const
    {
        return slot == SoilSlot::light ? light : heavy;
    }
};

inline constexpr std::array<SoilSlot, 2> kSoilSlots{SoilSlot::light, SoilSlot::heavy};

// The soils a run computes with.
SoilSlots modelSoils(const WindowSoils& soils);

// The caption above the slot's chart, which also names the chart for
// screen readers.
QString soilCaption(SoilSlot slot, const std::optional<OwnSoil>& soil);
QString soilValuesDescription(SoilSlot slot, const OwnSoil& soil);

// A value text as typed, with the active decimal separator, to the form
// OwnSoil keeps ("0,2" -> "0.2" with the comma), and back.
QString portableValueText(const QString& typed);
QString typedValueText(const QString& portable);

}  // namespace morvane
