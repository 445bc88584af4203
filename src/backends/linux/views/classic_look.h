#pragma once
#include <vector>

#include "toolkit/drawing/icon.h"

namespace lumaro::platform::linuxos {

// One look on every desktop, whatever its theme: Qt's built-in Windows style with the toolkit's system
// colours, so that buttons, sliders and lists sit naturally beside the custom-drawn instruments.
// Needs a QApplication; call before the first window is made.
void installClassicLook();

// The picture every window of the program shows as its icon, in the sizes given.
void setProgramIcon(const std::vector<toolkit::Icon>& sizes);

}  // namespace lumaro::platform::linuxos
