#pragma once
// The caption above a soil's chart. With the built-in soil it is the
// window's own, bold 13-pixel "Light textured soil" or "Heavy textured soil"
// at its place. With an own soil it shows the soil's name (at most 24
// characters) whole: in bold at the largest size from 13 down to 8 pixels at
// which it fits its room, at its place when it fits from there, otherwise
// ending at the room's right end. The light soil's room reaches from the
// window's left margin to short of the heavy soil's caption, the heavy
// soil's from its place to short of the detector photograph, so the two
// never meet and neither runs off the window.

#include <QString>

#include "soil_text.h"

class QWidget;

namespace morvane {

class TextLabel;

// Builds the caption of a slot's chart with its built-in text, on `parent`.
TextLabel* createSoilCaption(QWidget* parent, SoilSlot slot);

// Shows `text` on the caption, fitted as above; `ownSoil` is false for the
// built-in soil's caption, which always stands as built.
void showSoilCaption(TextLabel& caption, SoilSlot slot, const QString& text, bool ownSoil);

}  // namespace morvane
