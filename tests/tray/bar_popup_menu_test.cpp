#include "tray/bar_popup_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/pixel_art.h"

namespace lumaro::tray {
namespace {

using ::testing::ElementsAre;
using toolkit::Color;
using toolkit::rgb;
using toolkit::test::colorAt;

constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kGreen = rgb(0, 255, 0);
constexpr Color kOutside = rgb(1, 2, 3);

// A bar 10 × 18 at x = 1 of a 12-pixel-wide picture, with everything the bar can carry.
class MenuBarTest : public ::testing::Test {
 protected:
  MenuBarTest() {
    bar.Width = 10;
    bar.GradientStart = rgb(0, 0, 0);
    bar.GradientEnd = rgb(100, 0, 0);
    bar.Border = toolkit::clBlack;
    toolkit::Bitmap back(3, 2, toolkit::toPixel(toolkit::clBlack));
    for (int x = 0; x < 3; ++x) back.setPixel(x, 0, toolkit::toPixel(kBlue));
    bar.BarBackPicture = {back, true};
    bar.BarPicture = {toolkit::Bitmap(4, 4, toolkit::toPixel(kGreen)), false};
    // The fake draws "ab" 12 long and, in a 4-pixel font, 4 thick.
    bar.BarCaption = {"ab", {"Tahoma", 4, true, toolkit::clWhite}, toolkit::clYellow, toolkit::clRed, 1};
  }
  const toolkit::Bitmap& drawn() {
    DrawBar(canvas, {1, 0, 11, 18}, bar, scratch);
    return target;
  }

  platform::fake::FakeTextService text;
  toolkit::Bitmap target{12, 18, toolkit::toPixel(kOutside)};
  toolkit::Canvas canvas{target, text};
  toolkit::Bitmap scratch;
  TBcBar bar;
};

TEST_F(MenuBarTest, GradientUnderTiledScanLinesInsideABorderWithThePictureAtTheBottom) {
  const toolkit::Bitmap& bar = drawn();
  EXPECT_EQ(colorAt(bar, 2, 1), rgb(10, 0, 0));  // odd rows: the gradient, 10 steps of 10
  EXPECT_EQ(colorAt(bar, 9, 15), rgb(80, 0, 0));
  EXPECT_EQ(colorAt(bar, 9, 16), kBlue);            // even rows: the back picture's blue row, tiled
  EXPECT_EQ(colorAt(bar, 1, 5), toolkit::clBlack);  // border
  EXPECT_EQ(colorAt(bar, 10, 0), toolkit::clBlack);
  EXPECT_EQ(colorAt(bar, 4, 17), kGreen);  // the picture covers the border at the bottom, centred
  EXPECT_EQ(colorAt(bar, 7, 14), kGreen);
  EXPECT_EQ(colorAt(bar, 3, 17), toolkit::clBlack);
  for (int y = 0; y < 18; ++y) {  // nothing outside the bar
    EXPECT_EQ(colorAt(bar, 0, y), kOutside);
    EXPECT_EQ(colorAt(bar, 11, y), kOutside);
  }
}

TEST_F(MenuBarTest, CaptionRunsUpwardCentredWithItsHighlightAndShadowCopies) {
  // x = 1 + Round(2.5) = 3 and y = Round(14.5) = 14, both halves rounded to even.
  const toolkit::Bitmap& bar = drawn();
  EXPECT_EQ(colorAt(bar, 4, 5), toolkit::clWhite);  // the caption from (3, 14) up to row 3
  EXPECT_EQ(colorAt(bar, 6, 13), toolkit::clWhite);
  EXPECT_EQ(colorAt(bar, 2, 14), toolkit::clRed);    // the highlight copy at (2, 15)
  EXPECT_EQ(colorAt(bar, 3, 8), toolkit::clRed);     // showing in the caption's gap between letters
  EXPECT_EQ(colorAt(bar, 7, 2), toolkit::clYellow);  // the shadow copy at (4, 13)
}

TEST_F(MenuBarTest, AnOpaqueBackPictureReplacesTheGradientAndClNoneCopiesAreLeftOut) {
  bar.BarBackPicture.Transparent = false;
  bar.BarCaption.HighlightColor = toolkit::clNone;
  const toolkit::Bitmap& bar = drawn();
  EXPECT_EQ(colorAt(bar, 2, 1), toolkit::clBlack);  // the back picture's black row
  EXPECT_EQ(colorAt(bar, 2, 14), kBlue);
}

// A menu of "&Open" (image 0), a separator, and a hidden "&Other".
class BarPopupMenuTest : public ::testing::Test {
 protected:
  BarPopupMenuTest() {
    images.add({toolkit::Bitmap(16, 16, toolkit::toPixel(kGreen)), {}});
    menu.Images = &images;
    menu.Bar.Width = 20;
    menu.Bar.Space = 2;
    open.imageIndex = 0;
    open.OnClick = [this](toolkit::Component&) { ++opened; };
    other.visible = false;
    module.OnMeasureMenuItem = [this](toolkit::Component&, toolkit::MenuItem& item, toolkit::Canvas&,
                                      int& width, int& height, bool barVisible, bool& defaultMeasure) {
      measured.push_back(item.name() + (barVisible ? " with bar" : ""));
      width += 100;
      height = 30;
      defaultMeasure = keepOwnSizes;
    };
    module.OnDrawMenuItem = [this](toolkit::Component&, toolkit::MenuItem& item, toolkit::Canvas& canvas,
                                   const toolkit::Rect& rect, TOwnerDrawState state, bool,
                                   bool& defaultDraw) {
      drawnStates.push_back(item.name() + (state.selected ? " selected" : "") +
                            (state.disabled ? " disabled" : "") + (state.checked ? " checked" : ""));
      canvas.brush.color = kBlue;
      canvas.fillRect(rect);
      defaultDraw = drawPlainly;
    };
  }

  platform::fake::FakeTextService text;
  toolkit::ImageList images{nullptr};
  TBcBarPopupMenu menu{nullptr};
  toolkit::MenuItem& open = menu.addItem("open", "&Open");
  toolkit::MenuItem& line = menu.addItem("line", "-");
  toolkit::MenuItem& other = menu.addItem("other", "&Other");
  TBcCustomDrawModule module{nullptr};
  std::vector<std::string> measured;
  std::vector<std::string> drawnStates;
  bool keepOwnSizes = false;
  bool drawPlainly = false;
  int opened = 0;
};

TEST_F(BarPopupMenuTest, PlainStyleWithoutADrawModule) {
  toolkit::MenuPicture picture(menu, text);
  // Image column 4 + 16 + 8, "Open" 24 wide, 16 to spare; the image's height and the short separator.
  EXPECT_EQ(picture.itemRect(0), (toolkit::Rect{3 + 22, 3, 3 + 22 + 68 + 12, 3 + 20}));
  EXPECT_EQ(picture.itemRect(1).height(), TBcBarPopupMenu::kSeparatorHeight);
  EXPECT_EQ(picture.itemRect(2).height(), 0);
  const toolkit::Bitmap& shown = picture.paint(0);
  EXPECT_EQ(colorAt(shown, 3 + 22 + 4, 3 + 2), kGreen);             // the image
  EXPECT_EQ(colorAt(shown, 3 + 22 + 1, 3 + 1), rgb(0, 0, 128));     // highlight
  EXPECT_EQ(colorAt(shown, 3 + 22 + 28, 3 + 5), toolkit::clWhite);  // its text
  // The etched separator line from the text column, fading in from the menu colour over all its 48
  // pixels, as it is shorter than the fade.
  EXPECT_EQ(colorAt(shown, 3 + 22 + 28, 3 + 20 + 3), rgb(192, 192, 192));
  EXPECT_EQ(colorAt(shown, 100, 3 + 20 + 3), rgb(130, 130, 130));
  EXPECT_EQ(colorAt(shown, 100, 3 + 20 + 4), rgb(253, 253, 253));
  EXPECT_EQ(colorAt(shown, 101, 3 + 20 + 3), rgb(192, 192, 192));
  EXPECT_EQ(colorAt(shown, 3 + 20, 10), rgb(192, 192, 192));  // the space beside the bar
}

TEST_F(BarPopupMenuTest, TheDrawModuleMeasuresAndDrawsFromTheMenusOwnMeasurement) {
  menu.DrawModule = &module;
  open.checked = true;
  line.enabled = false;
  toolkit::MenuPicture picture(menu, text);
  EXPECT_THAT(measured, ElementsAre("open with bar", "line with bar"));  // hidden items are not asked
  EXPECT_EQ(picture.itemRect(0).height(), 30);
  EXPECT_EQ(picture.itemRect(0).width(), 68 + 100 + 12);

  const toolkit::Bitmap& shown = picture.paint(0);
  EXPECT_THAT(drawnStates, ElementsAre("open selected checked", "line disabled"));
  EXPECT_EQ(colorAt(shown, 3 + 22 + 4, 3 + 7), kBlue);

  drawPlainly = true;  // leaving the default on lets the menu draw over the handler's work
  EXPECT_EQ(colorAt(picture.paint(0), 3 + 22 + 4, 3 + 7), kGreen);

  keepOwnSizes = true;
  toolkit::MenuPicture ownSizes(menu, text);
  EXPECT_EQ(ownSizes.itemRect(0).height(), 20);
}

TEST_F(BarPopupMenuTest, SeparatorsAndHiddenItemsCannotBeChosenAndCaptionsGiveTheKeys) {
  EXPECT_TRUE(menu.selectable(0));
  EXPECT_FALSE(menu.selectable(1));
  EXPECT_FALSE(menu.selectable(2));
  EXPECT_EQ(menu.accessKey(0), 'o');
  EXPECT_EQ(menu.barWidth(), 22);
  menu.clickItem(0);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace lumaro::tray
