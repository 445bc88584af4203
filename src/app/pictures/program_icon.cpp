#include "app/pictures/program_icon.h"

#include <algorithm>
#include <cmath>

#include "toolkit/drawing/color.h"
#include "toolkit/drawing/raster.h"

namespace lumaro::app {

using toolkit::rgb;

namespace {

// The design sits on a 16 × 16 grid; every size scales the grid.
constexpr double kGrid = 16.0;
// Never drawn: marks what stays transparent.
constexpr std::uint32_t kHole = 0xFF00FF;

constexpr std::uint32_t kOutline = toolkit::toPixel(toolkit::clBlack);
constexpr std::uint32_t kBoard = toolkit::toPixel(rgb(0, 128, 0));
constexpr std::uint32_t kBoardLight = toolkit::toPixel(rgb(0, 192, 64));
constexpr std::uint32_t kBoardDark = toolkit::toPixel(rgb(0, 80, 0));
constexpr std::uint32_t kChip = toolkit::toPixel(rgb(24, 24, 24));
constexpr std::uint32_t kChipTop = toolkit::toPixel(rgb(96, 96, 96));
constexpr std::uint32_t kContact = toolkit::toPixel(rgb(255, 204, 0));
constexpr std::uint32_t kContactShade = toolkit::toPixel(rgb(160, 128, 0));

// Chips in two pairs, mirror images of each other around the middle.
constexpr double kChipLefts[] = {2, 5, 9, 12};
constexpr double kChipWidth = 2;
// Contacts mirror each other too, leaving the middle free for the key notch.
constexpr double kContactLefts[] = {1, 3, 5, 10, 12, 14};

class Grid {
 public:
  explicit Grid(int size) : size_(size) {}
  int at(double unit) const { return static_cast<int>(std::lround(unit * size_ / kGrid)); }
  toolkit::Rect rect(double left, double top, double right, double bottom) const {
    return {at(left), at(top), at(right), at(bottom)};
  }
  // Equal sizes stay equal wherever they are placed.
  toolkit::Rect sized(double left, double top, double width, double height) const {
    return {at(left), at(top), at(left) + at(width), at(top) + at(height)};
  }
  // Lines stay one pixel wide up to 31 px and thicken with the size, like the grid's unit.
  int line() const { return std::max(1, size_ / 16); }
  bool detailed() const { return size_ >= 32; }

 private:
  int size_;
};

void drawBoard(toolkit::Bitmap& picture, const Grid& grid) {
  const toolkit::Rect board = grid.rect(0, 3, 16, 13);
  const int line = grid.line();
  toolkit::raster::fillRect(picture, board, kOutline);
  toolkit::raster::fillRect(
      picture, {board.left + line, board.top + line, board.right - line, board.bottom - line}, kBoard);
  toolkit::raster::fillRect(
      picture, {board.left + line, board.top + line, board.right - line, board.top + 2 * line}, kBoardLight);
  toolkit::raster::fillRect(picture, {board.left + line, grid.at(10) - line, board.right - line, grid.at(10)},
                            kBoardDark);
}

void drawChips(toolkit::Bitmap& picture, const Grid& grid) {
  for (double left : kChipLefts) {
    const toolkit::Rect chip = grid.sized(left, 5, kChipWidth, 4);
    toolkit::raster::fillRect(picture, chip, kChip);
    toolkit::raster::fillRect(picture, {chip.left, chip.top, chip.right, chip.top + grid.line()}, kChipTop);
  }
}

void drawContacts(toolkit::Bitmap& picture, const Grid& grid) {
  for (double left : kContactLefts) {
    const toolkit::Rect contact = grid.sized(left, 10, 1, 3);
    toolkit::raster::fillRect(
        picture, {contact.left, contact.top, contact.right, contact.bottom - grid.line()}, kContact);
    if (grid.detailed()) {
      // The contact's right edge in shade gives it some depth.
      const int shade = std::max(1, (contact.right - contact.left) / 4);
      toolkit::raster::fillRect(
          picture, {contact.right - shade, contact.top, contact.right, contact.bottom - grid.line()},
          kContactShade);
    }
  }
}

// The key notch cut into the bottom edge between the two halves of the contacts.
void cutNotch(toolkit::Bitmap& picture, const Grid& grid) {
  if (!grid.detailed()) return;
  const int wall = std::max(1, grid.line() / 2);
  toolkit::Rect walls = grid.rect(6.25, 11, 9.75, 13);
  walls.right = grid.at(kGrid) - walls.left;  // centred exactly, whatever the rounding
  toolkit::raster::fillRect(picture, walls, kOutline);
  toolkit::raster::fillRect(picture, {walls.left + wall, walls.top + wall, walls.right - wall, walls.bottom},
                            kHole);
}

}  // namespace

toolkit::Icon programIcon(int size) {
  size = std::clamp(size, 16, 256);
  const Grid grid(size);
  toolkit::Bitmap picture(size, size, kHole);
  drawBoard(picture, grid);
  drawChips(picture, grid);
  drawContacts(picture, grid);
  cutNotch(picture, grid);
  return toolkit::Icon::masked(std::move(picture), kHole);
}

}  // namespace lumaro::app
