#pragma once
// The fonts every text of the program is drawn with: the bundled Liberation
// Sans faces, standing in for the face names the window and the charts ask
// for ("MS Sans Serif", "Arial").

#include <QString>

namespace morvane {

// The family that stands in for "MS Sans Serif" and "Arial".
QString bundledSansFamily();

// Makes the bundled faces the only fonts the program sees, and the
// application's default font the bundled family at the desktop's size.
//
// The program gets a font configuration of its own that holds nothing but
// the bundled faces, so:
// - layout and pixels are the same on every machine: no installed font (an
//   older Liberation Sans, say) and no desktop font rule (sub-pixel
//   rendering, other hinting, emboldening) takes part;
// - start-up need not read the desktop's font configuration and font
//   caches, the larger part of what the first text costs.
// The price: a character the bundled faces lack (Liberation Sans covers
// Latin, Greek and Cyrillic) is drawn as an empty box, since there is no
// other font to borrow it from.
//
// Needs a QGuiApplication, and must run before the first text is measured
// or drawn: the font database keeps the configuration it first read.
// Safe to call more than once.
void loadBundledFonts();

}  // namespace morvane
