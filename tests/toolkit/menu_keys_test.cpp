// Access keys in captions, and finding one's way through a drawn menu by keys.
#include <array>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_text_service.h"
#include "toolkit/access_key.h"
#include "toolkit/drawn_menu.h"
#include "toolkit/pixel_art.h"

namespace lumaro::toolkit {
namespace {

using test::colorAt;

TEST(AccessKey, TheCharacterAfterAnAmpersandIsTheKeyAndADoubleAmpersandIsPlain) {
  const AccessKeyCaption open = parseAccessKey("&Fechar Otimizador");
  EXPECT_EQ(open.text, "Fechar Otimizador");
  EXPECT_EQ(open.keyAt, 0u);
  EXPECT_EQ(accessKeyOf("&Fechar Otimizador"), 'f');

  const AccessKeyCaption both = parseAccessKey("A && B &ção &x");  // the first marker only
  EXPECT_EQ(both.text, "A & B ção x");
  EXPECT_EQ(both.keyAt, 6u);
  EXPECT_EQ(both.keyLength, 2u);
  EXPECT_EQ(accessKeyOf("A && B &ção"), 0);  // not a key that can be typed
  EXPECT_EQ(parseAccessKey("Ram &").text, "Ram &");
  EXPECT_EQ(accessKeyOf("Otimizar"), 0);
}

TEST(AccessKey, TheKeyIsDrawnUnderlinedInPlace) {
  platform::fake::FakeTextService text;
  Bitmap bitmap(30, 12, toPixel(clWhite));
  Canvas canvas(bitmap, text);
  canvas.font = {"MS Sans Serif", 10, false, clBlack};
  canvas.brush.style = BrushStyle::Clear;
  EXPECT_EQ(captionExtent(canvas, "a&bc"), (Size{18, 10}));
  drawCaption(canvas, {1, 1, 30, 12}, "a&bc");
  // The fake's glyphs fill their cells but for a gap column; the underline closes the gap after "b".
  EXPECT_EQ(colorAt(bitmap, 6, 10), clWhite);
  EXPECT_EQ(colorAt(bitmap, 12, 10), clBlack);
  EXPECT_EQ(colorAt(bitmap, 12, 9), clWhite);
  EXPECT_EQ(colorAt(bitmap, 18, 10), clWhite);
}

// Items with the keys a, (separator), b (hidden), b, a, (separator); the separators and the hidden
// item cannot be chosen.
class Keys : public DrawnMenu {
 public:
  int itemCount() const override { return 6; }
  Size measureItem(Canvas&, int, Size standard) override { return {20, standard.height}; }
  void drawItem(Canvas& canvas, int, const Rect& rect, bool) override {
    canvas.brush.color = clBlue;
    canvas.fillRect(rect);
  }
  void clickItem(int) override {}
  bool selectable(int index) const override { return index == 0 || index == 3 || index == 4; }
  char accessKey(int index) const override { return std::array<char, 6>{'a', 0, 'b', 'b', 'a', 0}[index]; }
  int barWidth() const override { return 7; }
  void drawBar(Canvas& canvas, const Rect& rect) override {
    bar = rect;
    canvas.brush.color = clRed;
    canvas.fillRect(rect);
  }
  Rect bar;
};

TEST(MenuPicture, ABarTakesTheLeftSideAndKeysMoveOverSelectableItemsOnly) {
  platform::fake::FakeTextService text;
  Keys menu;
  MenuPicture picture(menu, text);
  EXPECT_EQ(picture.itemRect(0), (Rect{3 + 7, 3, 3 + 7 + 32, 21}));
  const Bitmap& shown = picture.paint(-1);
  EXPECT_EQ(menu.bar, (Rect{3, 3, 10, 3 + 6 * 18}));
  EXPECT_EQ(colorAt(shown, 3, 3 + 6 * 18 - 1), clRed);
  EXPECT_EQ(colorAt(shown, 10, 3), clBlue);

  EXPECT_EQ(picture.nextSelectable(-1, 1), 0);
  EXPECT_EQ(picture.nextSelectable(0, 1), 3);
  EXPECT_EQ(picture.nextSelectable(4, 1), 0);  // round the end
  EXPECT_EQ(picture.nextSelectable(-1, -1), 4);
  EXPECT_EQ(picture.nextSelectable(0, -1), 4);

  bool unique = true;
  EXPECT_EQ(picture.itemWithKey('a', -1, unique), 0);
  EXPECT_FALSE(unique);
  EXPECT_EQ(picture.itemWithKey('a', 0, unique), 4);
  EXPECT_EQ(picture.itemWithKey('a', 4, unique), 0);  // round the end
  EXPECT_EQ(picture.itemWithKey('b', 0, unique), 3);
  EXPECT_TRUE(unique);  // the hidden one does not count
  EXPECT_EQ(picture.itemWithKey('z', 0, unique), -1);
}

}  // namespace
}  // namespace lumaro::toolkit
