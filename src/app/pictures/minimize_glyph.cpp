#include "app/pictures/minimize_glyph.h"

#include "app/pictures/picture_art.h"

namespace lumaro::app {

namespace {

constexpr std::string_view kGlyph = R"(
wwwwwwwwwwwwwwwk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wGGGkkkkkkGGGGgk
wGGGkkkkkkGGGGgk
wGGGGGGGGGGGGGgk
wGGGGGGGGGGGGGgk
wggggggggggggggk
kkkkkkkkkkkkkkkk)";

}  // namespace

toolkit::Icon minimizeGlyph() {
  static const std::map<char, toolkit::Color> palette{{'w', toolkit::clWhite},
                                                      {'G', toolkit::rgb(192, 192, 192)},
                                                      {'g', toolkit::rgb(128, 128, 128)},
                                                      {'k', toolkit::clBlack}};
  return pictureFromArt(kGlyph, palette);
}

}  // namespace lumaro::app
