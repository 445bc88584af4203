// Access keys in captions, and finding one's way through a drawn menu by keys.
#include <array>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/controls/access_key.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/menus/drawn_menu_tracker.h"
#include "toolkit/pixel_art.h"

namespace lumaro::toolkit {
namespace {

using test::colorAt;
using ::testing::ElementsAre;

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

MenuReaction chose(int item) {
  return {MenuReaction::Kind::Choose, item};
}
constexpr MenuReaction kRepaint{MenuReaction::Kind::Repaint};
constexpr MenuReaction kNothing{};

TEST(DrawnMenuTracker, TheMouseHighlightsAndChoosesSelectableItemsOnly) {
  platform::fake::FakeTextService text;
  Keys menu;
  DrawnMenuTracker tracker(menu, text);
  const auto middleOf = [&](int item) {
    const Rect r = MenuPicture(menu, text).itemRect(item);
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  EXPECT_EQ(tracker.mouseMoved(middleOf(3)), kRepaint);
  EXPECT_EQ(tracker.selected(), 3);
  EXPECT_EQ(tracker.mouseMoved(middleOf(3)), kNothing);  // no repaint for the same item
  EXPECT_EQ(tracker.mouseMoved(middleOf(1)), kRepaint);  // a separator is no highlight
  EXPECT_EQ(tracker.selected(), -1);
  EXPECT_EQ(tracker.mouseReleased(middleOf(1)), kNothing);
  EXPECT_EQ(tracker.mouseReleased({1, 1}), kNothing);  // the frame
  EXPECT_EQ(tracker.mouseReleased(middleOf(4)), chose(4));
}

TEST(DrawnMenuTracker, KeysMoveTheHighlightAndChooseOrClose) {
  platform::fake::FakeTextService text;
  Keys menu;
  DrawnMenuTracker tracker(menu, text);
  EXPECT_EQ(tracker.key(MenuKey::Enter), kNothing);  // nothing highlighted yet
  EXPECT_EQ(tracker.key(MenuKey::Up), kRepaint);
  EXPECT_EQ(tracker.selected(), 4);
  EXPECT_EQ(tracker.key(MenuKey::Down), kRepaint);
  EXPECT_EQ(tracker.selected(), 0);
  EXPECT_EQ(tracker.key(MenuKey::Enter), chose(0));

  // A key several items share moves among them; one only one item has chooses it at once.
  EXPECT_EQ(tracker.typed(U'A'), kRepaint);
  EXPECT_EQ(tracker.selected(), 4);
  EXPECT_EQ(tracker.typed(U'b'), chose(3));
  EXPECT_EQ(tracker.typed(U'z'), kNothing);
  EXPECT_EQ(tracker.typed(U'\u00e1'), kNothing);  // beyond ASCII no key matches, not even by its low byte
  EXPECT_EQ(tracker.typed(U'\u0161'), kNothing);
  EXPECT_EQ(tracker.key(MenuKey::Escape), MenuReaction{MenuReaction::Kind::Close});
}

// Records what the reactions ask of it.
class RecordingWindow : public MenuWindow {
 public:
  std::vector<std::string> calls;
  void highlightChanged() override { calls.push_back("highlight"); }
  void dismiss() override { calls.push_back("dismiss"); }
  void choose(int item) override { calls.push_back("choose " + std::to_string(item)); }
};

TEST(DrawnMenuTracker, EachReactionReachesTheWindowsMatchingCall) {
  RecordingWindow window;
  for (const MenuReaction reaction : {kNothing, kRepaint, MenuReaction{MenuReaction::Kind::Close}, chose(2)})
    react(window, reaction);
  EXPECT_THAT(window.calls, ElementsAre("highlight", "dismiss", "choose 2"));
}

}  // namespace
}  // namespace lumaro::toolkit
