#pragma once
#include <string>

#include "toolkit/drawing/color.h"

namespace lumaro::toolkit {

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels
  bool bold = false;
  Color color = clWindowText;
  bool italic = false;
  bool underline = false;
  int angle = 0;  // direction of the text in degrees counter-clockwise: 0 or 90 (running upward)

  bool operator==(const Font&) const = default;
};

}  // namespace lumaro::toolkit
