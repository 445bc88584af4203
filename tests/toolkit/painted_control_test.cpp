#include "toolkit/controls/painted_control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/pixel_art.h"

namespace lumaro::toolkit {
namespace {

using test::colorAt;
using ::testing::ElementsAre;

// Fills itself with its colour and counts its paints.
class Swatch : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  int paints = 0;

 protected:
  void paint(Canvas& canvas) override {
    ++paints;
    canvas.brush.color = color();
    canvas.fillRect(clientRect());
  }
};

TEST(PaintedControl, PaintsOnlyWhenStaleAndTellsTheViewOfEveryChange) {
  platform::fake::FakeTextService text;
  Swatch swatch(nullptr, text);
  int notices = 0;
  swatch.setChangeListener([&] { ++notices; });
  swatch.setBounds({5, 5, 3, 2});
  swatch.setColor(clRed);
  EXPECT_EQ(swatch.paints, 0);

  const Bitmap& picture = swatch.picture();
  EXPECT_EQ(picture.width(), 3);
  EXPECT_EQ(picture.height(), 2);
  EXPECT_EQ(colorAt(picture, 2, 1), clRed);
  swatch.picture();
  EXPECT_EQ(swatch.paints, 1);

  swatch.setBounds({0, 0, 4, 4});  // a new size is a new picture
  EXPECT_EQ(swatch.picture().width(), 4);
  swatch.repaint();  // up to date: nothing to draw, nothing to tell
  EXPECT_EQ(notices, 3);
  swatch.invalidate();  // tells the view; the painting waits until the picture is asked for
  swatch.repaint();
  EXPECT_EQ(swatch.paints, 2);
  EXPECT_EQ(notices, 5);
  swatch.picture();
  EXPECT_EQ(swatch.paints, 3);
}

// Items "one", "three": as wide as their captions, each marked with the brush of its state.
class TwoItems : public DrawnMenu {
 public:
  std::vector<int> clicks;
  int itemCount() const override { return 2; }
  Size measureItem(Canvas& canvas, int index, Size standard) override {
    return {canvas.textExtent(index == 0 ? "one" : "three").width, standard.height + index};
  }
  void drawItem(Canvas& canvas, int, const Rect& rect, bool selected) override {
    canvas.brush.color = selected ? clRed : clBlue;
    canvas.fillRect(rect);
  }
  void clickItem(int index) override { clicks.push_back(index); }
};

TEST(MenuPicture, LaysItemsOutUnderEachOtherInsideARaisedFrame) {
  platform::fake::FakeTextService text;
  TwoItems items;
  MenuPicture menu(items, text);
  // Widest caption 30 plus the check mark room, inside a three-pixel frame.
  EXPECT_EQ(menu.size(), (Size{3 + 30 + 12 + 3, 3 + 18 + 19 + 3}));
  EXPECT_EQ(menu.itemRect(1), (Rect{3, 21, 45, 40}));
  EXPECT_EQ(menu.itemAt({3, 20}), 0);
  EXPECT_EQ(menu.itemAt({44, 21}), 1);
  EXPECT_EQ(menu.itemAt({45, 21}), -1);
  EXPECT_EQ(menu.itemAt({10, 1}), -1);

  const Bitmap& picture = menu.paint(1);
  EXPECT_EQ(colorAt(picture, 3, 3), clBlue);
  EXPECT_EQ(colorAt(picture, 3, 21), clRed);
  EXPECT_EQ(colorAt(picture, 0, 0), rgb(192, 192, 192));    // light outer edge
  EXPECT_EQ(colorAt(picture, 1, 1), clWhite);               // highlight inside it
  EXPECT_EQ(colorAt(picture, 47, 42), clBlack);             // dark outer edge
  EXPECT_EQ(colorAt(picture, 46, 41), rgb(128, 128, 128));  // shadow inside it
  EXPECT_EQ(colorAt(picture, 2, 2), rgb(192, 192, 192));    // menu colour around the items
}

}  // namespace
}  // namespace lumaro::toolkit
