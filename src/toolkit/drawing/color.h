#pragma once
#include <cstdint>

namespace lumaro::toolkit {

// 0x00BBGGRR for an RGB colour; a value with the top bit set is a system colour (0x80000000 plus
// its index), resolved when drawn; clNone means no colour.
using Color = std::uint32_t;

inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;

// System colours (see system_colors.h for their values).
inline constexpr Color clActiveCaption = 0x80000002;
inline constexpr Color clMenu = 0x80000004;
inline constexpr Color clWindowFrame = 0x80000006;
inline constexpr Color clMenuText = 0x80000007;
inline constexpr Color clWindowText = 0x80000008;
inline constexpr Color clCaptionText = 0x80000009;
inline constexpr Color clHighlight = 0x8000000D;
inline constexpr Color clHighlightText = 0x8000000E;
inline constexpr Color clBtnFace = 0x8000000F;
inline constexpr Color clBtnShadow = 0x80000010;
inline constexpr Color clGrayText = 0x80000011;
inline constexpr Color clBtnHighlight = 0x80000014;
inline constexpr Color cl3DDkShadow = 0x80000015;
inline constexpr Color cl3DLight = 0x80000016;
inline constexpr Color clGradientActiveCaption = 0x8000001B;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}

// An RGB colour as a bitmap pixel (0x00RRGGBB), and back.
constexpr std::uint32_t toPixel(Color rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr Color fromPixel(std::uint32_t pixel) {
  return toPixel(pixel);
}

}  // namespace lumaro::toolkit
