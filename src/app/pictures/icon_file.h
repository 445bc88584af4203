#pragma once
#include <string>
#include <vector>

#include "toolkit/drawing/icon.h"

namespace lumaro::app {

// The bytes of a Windows icon file (.ico) holding the pictures, each as a 32-bit bitmap with its alpha
// and the 1-bit mask older systems draw with; sizes up to 256 pixels square.
std::string iconFile(const std::vector<toolkit::Icon>& pictures);

}  // namespace lumaro::app
