#include "app/picture_art.h"

#include <stdexcept>

namespace lumaro::app {

toolkit::Icon pictureFromArt(std::initializer_list<std::string_view> rows,
                             const std::map<char, toolkit::Color>& palette) {
  const int width = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size());
  toolkit::Icon icon{toolkit::Bitmap(width, static_cast<int>(rows.size())), {}};
  icon.transparent.assign(icon.image.pixels().size(), 0);
  int y = 0;
  for (std::string_view row : rows) {
    if (static_cast<int>(row.size()) != width) throw std::logic_error("uneven picture rows");
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      if (row[x] == '.') {
        icon.transparent[at] = 1;
      } else {
        icon.image.pixels()[at] = toolkit::toPixel(palette.at(row[x]));
      }
    }
    ++y;
  }
  return icon;
}

}  // namespace lumaro::app
