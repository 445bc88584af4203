#pragma once
#include <array>

#include "toolkit/drawing/color.h"

namespace lumaro::toolkit {

// The colours of the system indices 0 .. 28 (scroll bar .. inactive caption gradient), by index.
using SystemScheme = std::array<Color, 29>;

// The classic desktop scheme: button face (192,192,192), shadow (128,128,128), white windows, navy
// highlight... It is what the system colours stand for until a backend knows the user's own.
const SystemScheme& classicScheme();

// The scheme the system colours stand for from now on: a backend that can read the user's scheme sets
// it at start and again whenever the user changes it. Drawings already made keep their colours.
void setSystemScheme(const SystemScheme& scheme);

// The RGB value (0x00BBGGRR) a colour is drawn in. System colours take the current scheme's values;
// an unknown system index is black; other values keep their low 24 bits.
Color resolveColor(Color color);

}  // namespace lumaro::toolkit
