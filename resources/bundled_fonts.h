#pragma once
// Registers the bundled Liberation Sans faces and maps the face names the
// window and the charts ask for ("MS Sans Serif", "Arial") onto them.
// Needs a QGuiApplication; safe to call more than once.

#include <QString>

namespace morvane {

// The family that stands in for "MS Sans Serif" and "Arial".
QString bundledSansFamily();

void loadBundledFonts();

}  // namespace morvane
