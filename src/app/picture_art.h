#pragma once
#include <initializer_list>
#include <map>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/icon.h"

namespace lumaro::app {

// A picture written as rows of characters, one per pixel, each naming a colour of `palette`; '.' is a
// transparent pixel (black under the mask). Rows must be equally long and use only named characters.
toolkit::Icon pictureFromArt(std::initializer_list<std::string_view> rows,
                             const std::map<char, toolkit::Color>& palette);

}  // namespace lumaro::app
