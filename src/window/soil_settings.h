#pragma once
// The soils of the two slots kept between runs in the user's settings, in
// the standard per-user place: $XDG_CONFIG_HOME/morvane/morvane.conf
// (~/.config/morvane/morvane.conf), as
//   [lightSoil]
//   name=Loam, north block
//   values=0.2:0.1:0.23:0.3
// The values are kept as typed, with "." for the decimal separator, and
// read again with the decimal separator in force. A slot without an entry
// holds its built-in soil.

#include <QString>
#include <QStringList>

#include "own_soil.h"

class QSettings;

namespace morvane {

// The names that place the settings file.
inline constexpr char kSettingsOrganisation[] = "morvane";
inline constexpr char kSettingsApplication[] = "morvane";

// The soils stored. A stored soil that no longer reads as a valid soil (a
// hand-edited file, a rule that changed) is not used: the slot holds its
// built-in soil, the entry is removed, and `problems` gets one sentence for
// it, such as "The soil stored for the light slot is not used: the wilting
// point must be below the field capacity (0.15 is not below 0.14)."
WindowSoils loadSoils(QSettings& settings, QStringList& problems);

// Stores the soils, an entry for each own soil; false when the settings
// cannot be written.
bool storeSoils(QSettings& settings, const WindowSoils& soils);

}  // namespace morvane
