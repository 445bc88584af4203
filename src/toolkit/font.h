#pragma once
#include <string>

#include "toolkit/color.h"

namespace lumaro::toolkit {

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels
  bool bold = false;
  Color color = clWindowText;

  bool operator==(const Font&) const = default;
};

}  // namespace lumaro::toolkit
