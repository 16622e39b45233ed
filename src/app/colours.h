#pragma once
// The named colours of the window's controls. They are the chart engine's
// 24-bit colour values, so a colour has one name and one value throughout the
// program; the window's controls take them through windowColour().

#include <QColor>

#include "chart_colors.h"

namespace morvane {

inline constexpr TColor clSand = 10930928;  // RGB 240, 202, 166
// The desktop's window-text and button-text colours (black by default).
inline constexpr TColor clWindowText = clBlack;
inline constexpr TColor clBtnText = clBlack;

inline QColor windowColour(TColor colour) { return ToQColor(colour); }

}  // namespace morvane
