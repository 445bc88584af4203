#include "app/pictures/tray_pictures.h"
#include "toolkit/drawing/raster.h"
#include "tray/gradient.h"

namespace lumaro::app {

using toolkit::rgb;
using toolkit::toPixel;

toolkit::Bitmap barBackPicture() {
  toolkit::Bitmap row(85, 1);
  tray::GradientFill(row, rgb(0, 99, 198), rgb(0, 8, 132), tray::TGradientStyle::gsHorizontal);
  toolkit::Bitmap picture(85, 2, toPixel(toolkit::clBlack));
  std::copy(row.pixels().begin(), row.pixels().end(), picture.pixels().begin());
  return picture;
}

toolkit::Bitmap barPicture() {
  namespace raster = toolkit::raster;
  toolkit::Bitmap picture(48, 48, toPixel(toolkit::clWhite));
  toolkit::Bitmap field(46, 46);
  tray::GradientFill(field, rgb(0, 72, 200), rgb(0, 16, 96), tray::TGradientStyle::gsVertical);
  for (int y = 0; y < 46; ++y) {
    for (int x = 0; x < 46; ++x) picture.setPixel(x + 1, y + 1, field.pixel(x, y));
  }
  // The module: a green board with four black chips and a row of gold contacts along its lower edge,
  // notched in the middle.
  raster::fillRect(picture, {5, 14, 43, 34}, toPixel(rgb(0, 96, 0)));
  raster::fillRect(picture, {6, 15, 42, 33}, toPixel(rgb(0, 144, 48)));
  for (int chip = 0; chip < 4; ++chip) {
    const int left = 8 + chip * 9;
    raster::fillRect(picture, {left, 17, left + 7, 26}, toPixel(rgb(24, 24, 24)));
    raster::fillRect(picture, {left + 1, 18, left + 6, 19}, toPixel(rgb(96, 96, 96)));
  }
  for (int x = 7; x < 41; x += 2) raster::fillRect(picture, {x, 28, x + 1, 33}, toPixel(rgb(255, 204, 0)));
  for (int y = 29; y < 34; ++y) {
    for (int x = 23; x < 26; ++x) picture.setPixel(x, y, field.pixel(x - 1, y - 1));
  }
  return picture;
}

}  // namespace lumaro::app
