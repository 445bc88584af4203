#pragma once
#include <map>
#include <string_view>

#include "toolkit/drawing/color.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::app {

// A picture written as text: after an opening line break, one line per row and one character per
// pixel, each naming a colour of `palette`; '.' is a transparent pixel. Rows must be equally long and
// use only named characters.
toolkit::Icon pictureFromArt(std::string_view art, const std::map<char, toolkit::Color>& palette);

}  // namespace lumaro::app
