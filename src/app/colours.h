#pragma once
// The named colours of the window's controls.

#include <QColor>

namespace morvane {

inline constexpr QColor clSand{240, 202, 166};  // the stored value 10930928
inline constexpr QColor clCream{255, 251, 240};
inline constexpr QColor clTeal{0, 128, 128};
inline constexpr QColor clWhite{255, 255, 255};
inline constexpr QColor clAqua{0, 255, 255};
inline constexpr QColor clRed{255, 0, 0};
inline constexpr QColor clBlack{0, 0, 0};
inline constexpr QColor clMoneyGreen{192, 220, 192};
inline constexpr QColor clSkyBlue{166, 202, 240};
inline constexpr QColor clBlue{0, 0, 255};
inline constexpr QColor clYellow{255, 255, 0};
inline constexpr QColor clGreen{0, 128, 0};
inline constexpr QColor clFuchsia{255, 0, 255};
inline constexpr QColor clNavy{0, 0, 128};
// The desktop's window-text and button-text colours (black by default).
inline constexpr QColor clWindowText{0, 0, 0};
inline constexpr QColor clBtnText{0, 0, 0};

}  // namespace morvane
