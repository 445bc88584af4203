#pragma once
#include "toolkit/core/error.h"
#include "toolkit/drawing/color.h"

namespace lumaro::widgets {

// Red, green and blue, each in [0, 1].
struct TRGB {
  double Red = 0;
  double Green = 0;
  double Blue = 0;
};

// Hue, luminance and saturation, each in [0, 1]; hue 0 (and 1) is red, 1/6 yellow, 2/6 green.
struct THLS {
  double Hue = 0;
  double Luminance = 0;
  double Saturation = 0;
};

// A conversion given a component outside [0, 1].
class EColorConv : public toolkit::Error {
 public:
  using Error::Error;
};

// How much a shade dims or lightens: 0 (not at all) to 9.
using TContrast = int;
inline constexpr TContrast kMaxContrast = 9;

THLS RGB2HLS(const TRGB& rgb);
TRGB HLS2RGB(const THLS& hls);

struct Shades {
  toolkit::Color highlight;
  toolkit::Color shadow;
};

// A lighter and a darker version of a colour (system colours are resolved first): the highlight moves
// each byte towards white, the shadow scales the luminance, both by (10 − level) ÷ 10.
Shades ShadeColors(toolkit::Color color, TContrast highlightLevel, TContrast shadowLevel);

}  // namespace lumaro::widgets
