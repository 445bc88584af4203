#pragma once
#include "toolkit/drawing/color.h"

namespace lumaro::toolkit {

// The RGB value (0x00BBGGRR) a colour is drawn in. System colours take the classic desktop scheme's
// values (button face (192,192,192), shadow (128,128,128), highlight white, navy captions...); an
// unknown system index is black; other values keep their low 24 bits.
Color resolveColor(Color color);

}  // namespace lumaro::toolkit
