#include "toolkit/drawing/system_colors.h"

namespace lumaro::toolkit {

namespace {

constexpr Color kSystemFlag = 0x80000000;

// The classic "Windows Standard" scheme, by system colour index.
constexpr SystemScheme kClassicScheme{
    rgb(192, 192, 192),  // 0 scroll bar
    rgb(0, 128, 128),    // 1 desktop
    rgb(0, 0, 128),      // 2 active caption
    rgb(128, 128, 128),  // 3 inactive caption
    rgb(192, 192, 192),  // 4 menu
    rgb(255, 255, 255),  // 5 window
    rgb(0, 0, 0),        // 6 window frame
    rgb(0, 0, 0),        // 7 menu text
    rgb(0, 0, 0),        // 8 window text
    rgb(255, 255, 255),  // 9 caption text
    rgb(192, 192, 192),  // 10 active border
    rgb(192, 192, 192),  // 11 inactive border
    rgb(128, 128, 128),  // 12 application workspace
    rgb(0, 0, 128),      // 13 highlight
    rgb(255, 255, 255),  // 14 highlight text
    rgb(192, 192, 192),  // 15 button face
    rgb(128, 128, 128),  // 16 button shadow
    rgb(128, 128, 128),  // 17 grey text
    rgb(0, 0, 0),        // 18 button text
    rgb(192, 192, 192),  // 19 inactive caption text
    rgb(255, 255, 255),  // 20 button highlight
    rgb(0, 0, 0),        // 21 3-D dark shadow
    rgb(192, 192, 192),  // 22 3-D light
    rgb(0, 0, 0),        // 23 tooltip text
    rgb(255, 255, 225),  // 24 tooltip background
    rgb(0, 0, 0),        // 25 (unused)
    rgb(0, 0, 128),      // 26 hot-tracked item
    rgb(16, 132, 208),   // 27 active caption gradient
    rgb(181, 181, 181),  // 28 inactive caption gradient
};

// One user interface thread reads and sets it.
SystemScheme currentScheme = kClassicScheme;

}  // namespace

const SystemScheme& classicScheme() {
  return kClassicScheme;
}

void setSystemScheme(const SystemScheme& scheme) {
  currentScheme = scheme;
}

Color resolveColor(Color color) {
  if ((color & kSystemFlag) == 0) return color & 0xFFFFFF;
  const Color index = color & ~kSystemFlag;
  return index < currentScheme.size() ? currentScheme[index] : clBlack;
}

}  // namespace lumaro::toolkit
