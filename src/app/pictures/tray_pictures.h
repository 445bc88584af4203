#pragma once
#include <vector>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/icon.h"

// The pictures of the tray icons and the tray menu, all drawn here.
namespace lumaro::app {

// The nine 16 × 16 level backgrounds of the text tray icon: white, grey and black faces, each with a
// green, a yellow and a red level box, in that order. Silver pixels are transparent.
std::vector<toolkit::Icon> levelPictures();

// The nine 16 × 16 frames of the animated tray icon: a memory module lying from the upper left to the
// lower right, with a red block that moves up the module over frames 0 to 4 and back over 4 to 8.
std::vector<toolkit::Icon> animationFrames();

// The nine 16 × 16 images of the tray menu: a memory module, a clipboard, a monitor, a question mark,
// a gear, an orange and a red power symbol, a red cross and a red crosshair.
std::vector<toolkit::Icon> menuImages();

// The tray menu bar's back picture, 85 × 2: a blue gradient row over a black one.
toolkit::Bitmap barBackPicture();

// The tray menu bar's 48 × 48 picture: a memory module on a blue field with a white border.
toolkit::Bitmap barPicture();

}  // namespace lumaro::app
