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
inline constexpr Color clBtnFace = 0x8000000F;
inline constexpr Color clWindowText = 0x80000008;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}

}  // namespace lumaro::toolkit
