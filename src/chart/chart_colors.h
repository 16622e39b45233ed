#pragma once
// Chart colours are 24-bit values laid out as $00BBGGRR (red in the low
// byte), the form the window layout stores them in. Two values above that
// range are reserved: clDefault ("no colour given, use the default") and
// clNone ("draw nothing").

#include <QColor>

#include <array>
#include <cstdint>

namespace morvane {

using TColor = std::int32_t;

inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;

// The face colour of a panel that was given no colour of its own.
inline constexpr TColor clBtnFace = 0xF0F0F0;

// Colours handed to series that were added without a colour, in this order.
inline constexpr std::array<TColor, 20> DefaultSeriesPalette = {
    clRed,  clGreen, clYellow, clBlue,   clWhite, clGray,       clFuchsia,
    clTeal, clNavy,  clMaroon, clLime,   clOlive, clPurple,     clSilver,
    clAqua, clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray};

// The Qt colour of a 24-bit chart colour: 0x00A6CAF0 is RGB (240, 202, 166).
// clNone gives a fully transparent colour; clDefault must be resolved by the
// caller first and gives black here.
QColor ToQColor(TColor color);

}  // namespace morvane
