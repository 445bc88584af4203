#include "app/pictures/icon_file.h"

#include <cstdint>

namespace lumaro::app {

namespace {

void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// One picture as the icon file stores it: a bitmap header of twice the height (colours, then mask),
// the colours bottom row first, the mask rows padded to four bytes (1 = see-through).
std::string iconImage(const toolkit::Icon& icon) {
  const int width = icon.image.width();
  const int height = icon.image.height();
  const std::size_t maskRow = static_cast<std::size_t>((width + 31) / 32) * 4;
  std::string out;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height * 2));
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, static_cast<std::uint32_t>(width * height * 4 + maskRow * height));
  for (int i = 0; i < 4; ++i) put32(out, 0);  // resolution and palette: none
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t alpha = icon.isTransparent(x, y) ? 0x00 : 0xFF;
      put32(out, (alpha << 24) | (icon.image.pixel(x, y) & 0xFFFFFF));
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(maskRow, '\0');
    for (int x = 0; x < width; ++x) {
      if (icon.isTransparent(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

}  // namespace

std::string iconFile(const std::vector<toolkit::Icon>& pictures) {
  std::string out;
  put16(out, 0);
  put16(out, 1);  // an icon, not a cursor
  put16(out, static_cast<std::uint32_t>(pictures.size()));
  std::vector<std::string> images;
  for (const toolkit::Icon& icon : pictures) images.push_back(iconImage(icon));
  std::size_t offset = 6 + 16 * pictures.size();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    // 256 is written as 0: the field has one byte.
    out += static_cast<char>(pictures[i].image.width() & 0xFF);
    out += static_cast<char>(pictures[i].image.height() & 0xFF);
    put16(out, 0);  // no palette
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<std::uint32_t>(images[i].size()));
    put32(out, static_cast<std::uint32_t>(offset));
    offset += images[i].size();
  }
  for (const std::string& image : images) out += image;
  return out;
}

}  // namespace lumaro::app
