#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/text_service.h"
#include "toolkit/drawing/bitmap.h"

namespace lumaro::gallery {

// The widgets in configurations Lumaro does not use (other directions, separators, segment styles,
// bevels, captions) and the chart as it runs, with its series menu: each picture with a file name.
std::vector<std::pair<std::string, toolkit::Bitmap>> edgeCases(platform::TextService& text);

}  // namespace lumaro::gallery
