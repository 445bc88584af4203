#include "app/pictures/picture_art.h"

#include <algorithm>
#include <stdexcept>

namespace lumaro::app {

toolkit::Icon pictureFromArt(std::string_view art, const std::map<char, toolkit::Color>& palette) {
  if (art.empty() || art.front() != '\n') throw std::logic_error("a picture starts with a line break");
  art.remove_prefix(1);
  const auto width = static_cast<int>(std::min(art.find('\n'), art.size()));
  const auto height = static_cast<int>(std::count(art.begin(), art.end(), '\n')) + 1;
  toolkit::Icon icon{toolkit::Bitmap(width, height), std::vector<std::uint8_t>(width * height, 0)};
  for (int y = 0; y < height; ++y) {
    const std::string_view row = art.substr(static_cast<std::size_t>(y) * (width + 1), width + 1);
    if (static_cast<int>(row.size()) < width ||
        (row.size() > static_cast<std::size_t>(width) && row[width] != '\n'))
      throw std::logic_error("uneven picture rows");
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      if (row[x] == '.') {
        icon.transparent[at] = 1;
      } else {
        icon.image.pixels()[at] = toolkit::toPixel(palette.at(row[x]));
      }
    }
  }
  return icon;
}

}  // namespace lumaro::app
