#pragma once
#include "toolkit/drawing/color.h"

namespace lumaro::platform {

// The colour to draw text of colour `text` in on `background` (RGB values, 0x00BBGGRR). The windows
// were made for the classic grey face (`designed`); a text that stood out there but would vanish on the
// user's background (a black heading on a dark face) takes `fallback`, the scheme's own text colour, if
// that stands out more. Every other text keeps its colour, the instruments' colours included.
toolkit::Color readableText(toolkit::Color text, toolkit::Color background, toolkit::Color designed,
                            toolkit::Color fallback);

}  // namespace lumaro::platform
