#include "app/pictures/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace lumaro::app {
namespace {

std::uint32_t at16(const std::string& bytes, std::size_t offset) {
  return static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1]) << 8;
}

std::uint32_t at32(const std::string& bytes, std::size_t offset) {
  return at16(bytes, offset) | at16(bytes, offset + 2) << 16;
}

// A 2x2 picture, red on the top left, the bottom right see-through.
toolkit::Icon tiny() {
  toolkit::Icon icon{toolkit::Bitmap(2, 2, 0x00FF00), {0, 0, 0, 1}};
  icon.image.setPixel(0, 0, 0xFF0000);
  return icon;
}

TEST(IconFile, TheDirectoryNamesEachPictureWhereItLies) {
  const std::string file = iconFile({tiny(), toolkit::Icon{toolkit::Bitmap(256, 256), {}}});
  EXPECT_EQ(at16(file, 0), 0u);
  EXPECT_EQ(at16(file, 2), 1u);  // an icon
  ASSERT_EQ(at16(file, 4), 2u);
  // The first entry: 2x2, 32 bits; 256 pixels are written as 0.
  EXPECT_EQ(file[6], 2);
  EXPECT_EQ(at16(file, 6 + 6), 32u);
  EXPECT_EQ(file[22], 0);
  EXPECT_EQ(file[23], 0);
  const std::uint32_t firstSize = at32(file, 6 + 8);
  const std::uint32_t firstOffset = at32(file, 6 + 12);
  EXPECT_EQ(firstOffset, 6u + 2 * 16);
  EXPECT_EQ(firstSize, 40u + 2 * 2 * 4 + 2 * 4);  // header, colours, two mask rows of four bytes
  EXPECT_EQ(at32(file, 22 + 12), firstOffset + firstSize);
  EXPECT_EQ(file.size(), firstOffset + firstSize + 40 + 256 * 256 * 4 + 256 * 32);
}

TEST(IconFile, ColoursGoBottomRowFirstWithTheirAlphaAndTheMaskMarksTheSeeThroughPixels) {
  const std::string file = iconFile({tiny()});
  const std::size_t image = at32(file, 6 + 12);
  EXPECT_EQ(at32(file, image), 40u);
  EXPECT_EQ(at32(file, image + 4), 2u);
  EXPECT_EQ(at32(file, image + 8), 4u);  // colours and mask
  const std::size_t colours = image + 40;
  EXPECT_EQ(at32(file, colours), 0xFF00FF00u);      // bottom left
  EXPECT_EQ(at32(file, colours + 4), 0x0000FF00u);  // bottom right: see-through
  EXPECT_EQ(at32(file, colours + 8), 0xFFFF0000u);  // top left
  const std::size_t mask = colours + 16;
  EXPECT_EQ(static_cast<unsigned char>(file[mask]), 0x40);  // bottom row: the second pixel
  EXPECT_EQ(static_cast<unsigned char>(file[mask + 4]), 0x00);
}

}  // namespace
}  // namespace lumaro::app
