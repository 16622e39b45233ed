#pragma once
// The program's named colours: the window, the soil charts and the chart
// engine's defaults all take their colours from here, so a colour has one
// name and one value throughout.

#include <QColor>


namespace morvane::colours {

inline constexpr QColor black{0, 0, 0};
inline constexpr QColor maroon{128, 0, 0};
inline constexpr QColor green{0, 128, 0};
inline constexpr QColor olive{128, 128, 0};
inline constexpr QColor navy{0, 0, 128};
inline constexpr QColor purple{128, 0, 128};
inline constexpr QColor teal{0, 128, 128};
inline constexpr QColor gray{128, 128, 128};
inline constexpr QColor silver{192, 192, 192};
inline constexpr QColor red{255, 0, 0};
inline constexpr QColor lime{0, 255, 0};
inline constexpr QColor yellow{255, 255, 0};
inline constexpr QColor blue{0, 0, 255};
inline constexpr QColor fuchsia{255, 0, 255};
inline constexpr QColor aqua{0, 255, 255};
inline constexpr QColor white{255, 255, 255};
inline constexpr QColor skyBlue{166, 202, 240};
inline constexpr QColor cream{255, 251, 240};
// The window's background and the soil charts' panels.
inline constexpr QColor sand{240, 202, 166};
// The face of a chart panel that was given no colour of its own.
inline constexpr QColor buttonFace{240, 240, 240};
// The desktop's window-text colour, black by default.
inline constexpr QColor windowText = black;
// Draws nothing. (An invalid QColor, by contrast, means "no colour given:
// use the default".)
inline constexpr QColor none{0, 0, 0, 0};

}  // namespace morvane::colours
