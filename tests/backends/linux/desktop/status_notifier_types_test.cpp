#include "backends/linux/desktop/status_notifier_types.h"

#include <gtest/gtest.h>

namespace lumaro::platform::linuxos {
namespace {

TEST(StatusNotifierPixmaps, ThePictureInNetworkOrderAndInSharpWholeMultiples) {
  QImage picture(2, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, 0xFF102030);
  picture.setPixel(1, 0, 0x00000000);  // transparent
  const StatusNotifierPixmaps pixmaps = statusNotifierPixmaps(picture, {{2, 1}, {4, 2}, {5, 3}});
  ASSERT_EQ(pixmaps.size(), 3);
  EXPECT_EQ(pixmaps[0].width, 2);
  EXPECT_EQ(pixmaps[0].height, 1);
  EXPECT_EQ(pixmaps[0].argb, QByteArray::fromHex("ff10203000000000"));
  EXPECT_EQ(pixmaps[1].width, 4);
  EXPECT_EQ(pixmaps[1].height, 2);
  const QByteArray row = QByteArray::fromHex("ff102030ff1020300000000000000000");
  EXPECT_EQ(pixmaps[1].argb, row + row);
  // A size between multiples: the double in the middle, in clear pixels.
  EXPECT_EQ(pixmaps[2].width, 5);
  EXPECT_EQ(pixmaps[2].height, 3);
  const QByteArray clear = QByteArray(4, '\0');
  const QByteArray wide = row + clear;
  EXPECT_EQ(pixmaps[2].argb, wide + wide + QByteArray(5 * 4, '\0'));
  EXPECT_TRUE(statusNotifierPixmaps(QImage(), {{16, 16}}).isEmpty());
}

}  // namespace
}  // namespace lumaro::platform::linuxos
