#include "widgets/screw_panel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/pixel_art.h"

namespace lumaro::widgets {
namespace {

using ::testing::ElementsAre;
using toolkit::Bevel;
using toolkit::rgb;
using toolkit::test::art;
using toolkit::test::colorAt;

constexpr toolkit::Color kFace = rgb(192, 192, 192), kLight = rgb(223, 223, 223), kDark = rgb(115, 115, 115);

class ScrewPanelTest : public ::testing::Test {
 protected:
  // Configured as a page of the main window.
  void configureAsPage() {
    panel.setBounds({0, 0, 393, 347});
    panel.setBevelOuter(Bevel::Lowered);
  }
  std::vector<std::string> screwAt(int x, int y) {
    return art(
        panel.picture(), {x, y, x + 8, y + 8},
        {{kFace, '.'}, {kLight, 'h'}, {kDark, 's'}, {rgb(128, 128, 128), 'g'}, {toolkit::clWhite, 'w'}});
  }

  platform::fake::FakeTextService text;
  TScrewPanel panel{nullptr, text};
};

TEST_F(ScrewPanelTest, NewInstance) {
  EXPECT_EQ(panel.bounds().width, 45);
  EXPECT_EQ(panel.bounds().height, 45);
  EXPECT_EQ(panel.color(), toolkit::clBtnFace);
  EXPECT_EQ(panel.BevelOuter(), Bevel::Raised);
  EXPECT_EQ(panel.BevelInner(), Bevel::None);
  EXPECT_EQ(panel.BevelWidth(), 1);
  EXPECT_EQ(panel.Margin(), 2);
  EXPECT_EQ(panel.ScrewSize(), 2);
  EXPECT_TRUE(panel.ShowScrews());
  EXPECT_EQ(panel.shades().highlight, kLight);
  EXPECT_EQ(panel.shades().shadow, kDark);
}

TEST_F(ScrewPanelTest, PageBevelsAndScrews) {
  configureAsPage();
  const toolkit::Bitmap& p = panel.picture();
  EXPECT_EQ(colorAt(p, 200, 0), kDark);  // lowered: shadow at the top and left
  EXPECT_EQ(colorAt(p, 0, 200), kDark);
  EXPECT_EQ(colorAt(p, 200, 346), kLight);
  EXPECT_EQ(colorAt(p, 392, 200), kLight);
  EXPECT_EQ(colorAt(p, 1, 1), kFace);  // the inner rectangle starts here
  // 8-pixel screws at (3, 3), (382, 3), (3, 336) and (382, 336): rim in shadow at the upper left and
  // highlight at the lower right, a grey slot lit along one edge; the silver head is the face's grey.
  const std::vector<std::string> screw{"..ssss..",  //
                                       ".s...gh.",  //
                                       "s...g.wh",  //
                                       "s..g.w.h",  //
                                       "s.g.w..h",  //
                                       "sg.w...h",  //
                                       ".hw...h.",  //
                                       "..hhhh.."};
  EXPECT_EQ(screwAt(3, 3), screw);
  EXPECT_EQ(screwAt(382, 3), screw);
  EXPECT_EQ(screwAt(3, 336), screw);
  EXPECT_EQ(screwAt(382, 336), screw);
  EXPECT_EQ(colorAt(p, 11, 11), kFace);
  EXPECT_EQ(colorAt(p, 390, 344), kFace);
}

TEST_F(ScrewPanelTest, FaceColourBringsItsShades) {
  panel.setColor(rgb(236, 233, 216));
  EXPECT_EQ(panel.shades().highlight, rgb(245, 243, 235));
  EXPECT_EQ(panel.shades().shadow, rgb(177, 164, 94));
  EXPECT_EQ(colorAt(panel.picture(), 20, 20), rgb(236, 233, 216));
  EXPECT_EQ(colorAt(panel.picture(), 20, 0), rgb(245, 243, 235));  // raised: highlight on top
  EXPECT_EQ(colorAt(panel.picture(), 44, 20), rgb(177, 164, 94));
}

TEST_F(ScrewPanelTest, MarginAndScrewSizeMustFit) {
  panel.setScrewSize(45);  // not smaller than the width
  panel.setScrewSize(9);   // beyond the largest screw
  panel.setScrewSize(0);
  EXPECT_EQ(panel.ScrewSize(), 2);
  panel.setScrewSize(8);
  EXPECT_EQ(panel.ScrewSize(), 8);
  panel.setMargin(37);  // not smaller than 45 − 8
  EXPECT_EQ(panel.Margin(), 2);
  panel.setMargin(36);
  EXPECT_EQ(panel.Margin(), 36);
}

TEST_F(ScrewPanelTest, NestedBevelsBorderAndPlainCorners) {
  panel.setBorderWidth(2);
  panel.setBevelInner(Bevel::Lowered);
  panel.setShowScrews(false);
  const toolkit::Bitmap& p = panel.picture();
  EXPECT_EQ(colorAt(p, 20, 0), kLight);  // raised outer bevel
  EXPECT_EQ(colorAt(p, 20, 1), kFace);   // the border
  EXPECT_EQ(colorAt(p, 20, 3), kDark);   // lowered inner bevel at 1 + 2
  EXPECT_EQ(colorAt(p, 41, 20), kLight);
  EXPECT_EQ(colorAt(p, 8, 8), kFace);  // no screws
}

TEST_F(ScrewPanelTest, CaptionCentredInTheFontColour) {
  panel.setFont({"Arial", 11, false, toolkit::clRed});
  panel.setCaption("ab");                                       // fake glyphs: 12 × 11
  EXPECT_EQ(colorAt(panel.picture(), 16, 17), toolkit::clRed);  // x = (45 − 12) / 2, y = (45 − 11) / 2
  EXPECT_EQ(colorAt(panel.picture(), 15, 17), kFace);
  EXPECT_EQ(colorAt(panel.picture(), 21, 17), kFace);  // the gap between glyphs shows the face
}

}  // namespace
}  // namespace lumaro::widgets
