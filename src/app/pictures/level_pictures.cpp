#include "app/pictures/tray_pictures.h"
#include "toolkit/drawing/color.h"

namespace lumaro::app {

using toolkit::Color;
using toolkit::rgb;

namespace {

struct Scheme {
  Color face;
  Color outerEdge;
  Color innerEdge;
  Color boxOutline;
};

constexpr Scheme kSchemes[] = {
    {toolkit::clWhite, rgb(123, 123, 123), rgb(198, 198, 198), toolkit::clBlack},
    {rgb(128, 128, 128), rgb(128, 128, 128), rgb(64, 64, 64), toolkit::clWhite},
    {toolkit::clBlack, rgb(192, 192, 192), rgb(64, 64, 64), toolkit::clWhite},
};
constexpr Color kLevels[] = {rgb(0, 255, 0), rgb(255, 255, 0), rgb(255, 0, 0)};

Color pixelColor(const Scheme& scheme, Color level, int x, int y) {
  if (x == 0 || y == 0) return scheme.outerEdge;
  if (x == 1 || x == 15 || y == 1 || y == 15) return scheme.innerEdge;
  if (y <= 9) return scheme.face;
  if (x == 2 || x == 14 || y == 10 || y == 14) return scheme.boxOutline;
  return level;
}

}  // namespace

std::vector<toolkit::Icon> levelPictures() {
  std::vector<toolkit::Icon> pictures;
  for (const Scheme& scheme : kSchemes) {
    for (Color level : kLevels) {
      toolkit::Bitmap picture(16, 16);
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
          picture.setPixel(x, y, toolkit::toPixel(pixelColor(scheme, level, x, y)));
      }
      // The list's mask colour.
      pictures.push_back(toolkit::Icon::masked(std::move(picture), toolkit::toPixel(toolkit::clSilver)));
    }
  }
  return pictures;
}

}  // namespace lumaro::app
