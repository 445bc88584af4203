#pragma once
#include <windows.h>

#include "platform/tray.h"

namespace lumaro::platform::win32 {

// The size in pixels of the tray's icons for the screen `window` is on (the small icon size at its
// density): 16 at 96 dots per inch, 20 at 120, 24 at 144, 32 at 192.
int trayIconSize(HWND window);

// An icon handle made from a tray picture at `size` × `size` pixels, each pixel of the picture
// repeated (nearestScaled) so that the tray shows it pixel for pixel, sharp, instead of smoothing a
// small icon up: a 32-bit colour bitmap with its alpha, and a mask that is set where the picture is
// fully transparent (for hosts that ignore the alpha). nullptr for an empty or inconsistent picture.
// The caller destroys it (DestroyIcon).
HICON makeTrayIcon(const TrayImage& image, int size);

}  // namespace lumaro::platform::win32
