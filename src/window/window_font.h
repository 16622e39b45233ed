#pragma once
// The face of every text of the window's own controls.

#include <QFont>

namespace morvane {

// The window's face at a character height in pixels, optionally bold.
QFont windowFont(int pixelSize = 11, bool bold = false);

}  // namespace morvane
