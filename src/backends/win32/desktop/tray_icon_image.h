#pragma once
#include <windows.h>

#include "platform/tray.h"

namespace lumaro::platform::win32 {

// An icon handle made from a tray picture: a 32-bit colour bitmap with its alpha, and a mask that is
// set where the picture is fully transparent (for hosts that ignore the alpha). nullptr for an empty
// or inconsistent picture. The caller destroys it (DestroyIcon).
HICON makeTrayIcon(const TrayImage& image);

}  // namespace lumaro::platform::win32
