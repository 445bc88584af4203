#pragma once
#include <string>
#include <utility>
#include <vector>

#include "app/main_window/principal.h"
#include "platform/text_service.h"
#include "toolkit/drawing/bitmap.h"

namespace lumaro::gallery {

// The tray menu of the main window as it opens (drawn by the main window's handlers, with one item
// highlighted, and plainly as on a low-colour screen), the text tray icon over the nine level pictures,
// the animation frames and the menu images: each picture with a file name.
std::vector<std::pair<std::string, toolkit::Bitmap>> trayPictures(app::TfrmPrincipal& main,
                                                                  platform::TextService& text);

}  // namespace lumaro::gallery
