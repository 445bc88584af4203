#include "tray/text_tray_icon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_text_service.h"
#include "backends/fake/fake_tray.h"
#include "toolkit/core/form.h"
#include "toolkit/pixel_art.h"

namespace lumaro::tray {
namespace {

using ::testing::ElementsAre;
using toolkit::clBlack;
using toolkit::clBtnFace;
using toolkit::clNone;
using toolkit::clRed;
using toolkit::clWhite;
using toolkit::rgb;
using toolkit::test::art;

constexpr toolkit::Color kSilver = rgb(192, 192, 192);
const toolkit::Rect kAll{0, 0, 16, 16};

// The fake text service draws each character as a box 5 pixels wide and the font's height tall, one
// pixel apart: "1536" in the 9-pixel font is 24 pixels wide, wider than the square.
class TextTrayIconTest : public ::testing::Test {
 protected:
  TextTrayIconTest() {
    app.setMainForm(&form);
    icon.setFont({"Arial", 9, false, clBlack});
    icon.Options().setOffsetX(1);
    icon.Options().setOffsetY(-1);
    icon.setIconVisible(true);
  }

  // The shown icon: 'k' black, 'b' button face, 'w' white, 'r' red, ' ' transparent.
  std::vector<std::string> shown() const {
    std::vector<std::string> rows =
        art(icon.Icon().image, kAll, {{clBlack, 'k'}, {kSilver, 'b'}, {clWhite, 'w'}, {clRed, 'r'}});
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (icon.Icon().isTransparent(x, y)) rows[y][x] = ' ';
      }
    }
    return rows;
  }

  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  platform::fake::FakeTray tray;
  platform::fake::FakeTextService text;
  toolkit::Application app{loop, box};
  toolkit::Form form{nullptr, app};
  TTextTrayIcon icon{&form, app, tray, text};
};

TEST_F(TextTrayIconTest, StartsAsAnOpaqueButtonFaceSquare) {
  EXPECT_EQ(icon.Icon().image, toolkit::Bitmap(16, 16, toolkit::toPixel(kSilver)));
  EXPECT_TRUE(icon.Icon().transparent.empty());
  EXPECT_EQ(tray.icons[1].image.argb[0], 0xFFC0C0C0u);
}

TEST_F(TextTrayIconTest, AWideTextStartsLeftOfTheSquareByHalfTheExcessTruncatedTowardZero) {
  // x = (15 − 24) div 2 + 1 = −3, y = (15 − 9) div 2 − 1 = 2. Letters have no narrow glyphs.
  icon.setText("abcd");
  const std::string row = "kk.kkkkk.kkkkk.k";
  const std::string empty(16, '.');
  std::vector<std::string> expected(16, empty);
  for (int y = 2; y <= 10; ++y) expected[y] = row;
  std::vector<std::string> rows = shown();
  for (auto& r : rows) std::replace(r.begin(), r.end(), 'b', '.');
  EXPECT_EQ(rows, expected);

  icon.setText("abc");  // 18 wide: (15 − 18) div 2 + 1 = 0
  EXPECT_EQ(shown()[5], "kkkkkbkkkkkbkkkk");
}

TEST_F(TextTrayIconTest, AFigureTheFontCannotShowWholeTakesTheNarrowFont) {
  icon.setText("1536");  // four characters: two lines, from the top
  std::vector<std::string> rows = shown();
  const std::vector<std::string> expected{"bbbbb.#.b###bbbb", "bbbbb##.b#..bbbb", "bbbbb.#.b###bbbb",
                                          "bbbbb.#.b..#bbbb", "bbbbb###b###bbbb", "bbbbbbbbbbbbbbbb",
                                          "bbbbb###b###bbbb", "bbbbb..#b#..bbbb", "bbbbb.##b###bbbb",
                                          "bbbbb..#b#.#bbbb", "bbbbb###b###bbbb"};
  for (std::size_t y = 0; y < expected.size(); ++y) {
    std::string want = expected[y];
    std::replace(want.begin(), want.end(), '#', 'k');
    std::replace(want.begin(), want.end(), '.', 'b');
    EXPECT_EQ(rows[y], want) << y;
  }
  for (std::size_t y = expected.size(); y < 16; ++y) EXPECT_EQ(rows[y], std::string(16, 'b')) << y;

  icon.setText("23G");  // three: one line in the middle
  EXPECT_EQ(shown()[3], std::string(16, 'b'));
  EXPECT_EQ(shown()[4], "bbbkkkbkkkbbkkbb");
  EXPECT_EQ(shown()[8], "bbbkkkbkkkbbkkbb");
  EXPECT_EQ(shown()[9], std::string(16, 'b'));

  icon.setText("9G");  // fits the font: 12 wide from x = 2
  EXPECT_EQ(shown()[5], "bbkkkkkbkkkkkbbb");
  icon.Options().setOffsetX(-1);  // from x = 0 it would touch the edge column
  EXPECT_EQ(shown()[5], "bbbbbkbkbkbbbbbb");
  icon.setText("1234567");  // more than two lines of three: the font's drawing, cut
  EXPECT_EQ(shown()[5].substr(0, 2), "kk");
}

TEST_F(TextTrayIconTest, AColourLikeTheFontsGivesWayToTheInverseSoTheTextStaysReadable) {
  icon.setText("7");
  for (toolkit::Color same : {clBlack, toolkit::clWindowText}) {
    icon.setColor(same);
    EXPECT_EQ(shown()[5], "wwwwwkkkkkwwwwww") << same;
    EXPECT_TRUE(icon.Icon().transparent.empty());
  }
}

TEST_F(TextTrayIconTest, WithoutColourAndBackgroundOnlyTheGlyphsShow) {
  icon.setColor(clNone);
  icon.setText("7");
  EXPECT_EQ(shown()[0], std::string(16, ' '));
  EXPECT_EQ(shown()[5], "     kkkkk      ");
}

TEST_F(TextTrayIconTest, LinesAreCentredEachByItselfAndTogetherAsABlock) {
  // Line height 9 + 2; top = (15 − 2 × 11) div 2 − 1 = −4: rows −4..4 and 7..15.
  icon.Options().setLineDistance(2);
  icon.setText("1\r234");
  const std::vector<std::string> rows = shown();
  EXPECT_EQ(rows[0], "bbbbbkkkkkbbbbbb");  // "1" alone: (15 − 6) div 2 + 1 = 5
  EXPECT_EQ(rows[4], "bbbbbkkkkkbbbbbb");
  EXPECT_EQ(rows[5], std::string(16, 'b'));
  EXPECT_EQ(rows[6], std::string(16, 'b'));
  EXPECT_EQ(rows[7], "kkkkkbkkkkkbkkkk");  // "234": (15 − 18) div 2 + 1 = 0
  EXPECT_EQ(rows[15], "kkkkkbkkkkkbkkkk");

  // A trailing carriage return still counts as an (empty) line: top = (15 − 22) div 2 − 1 = −4.
  icon.setText("7\r");
  EXPECT_EQ(shown()[4], "bbbbbkkkkkbbbbbb");
  EXPECT_EQ(shown()[5], std::string(16, 'b'));
}

TEST_F(TextTrayIconTest, TheTextIsMergedOverTheBackgroundWhoseClearPartsStayClear) {
  // Left half clear, right half red, one silver pixel, which is the key colour and so turns clear.
  toolkit::Bitmap picture(16, 16, toolkit::toPixel(clRed));
  picture.setPixel(15, 0, toolkit::toPixel(kSilver));
  toolkit::Icon background{picture, std::vector<std::uint8_t>(256, 0)};
  for (int y = 0; y < 16; ++y) std::fill_n(background.transparent.begin() + y * 16, 8, 1);
  icon.setBackgroundIcon(background);
  icon.setText("7");
  EXPECT_EQ(shown()[0], "        rrrrrrr ");
  EXPECT_EQ(shown()[5], "     kkkkkrrrrrr");
}

TEST_F(TextTrayIconTest, EveryChangeRedrawsOnceAndSameValuesDoNothing) {
  icon.setText("42");
  const std::size_t pushes = tray.operations.size();
  icon.setText("42");
  icon.setColor(clBtnFace);
  icon.Options().setOffsetX(1);
  EXPECT_EQ(tray.operations.size(), pushes);

  icon.Options().setOffsetX(3);
  EXPECT_EQ(tray.operations.size(), pushes + 1);
  EXPECT_EQ(shown()[5], "bbbbkkkkkbkkkkkb");

  icon.setBorder(true);
  icon.setBorderColor(clRed);
  EXPECT_EQ(shown()[0], std::string(16, 'r'));
  EXPECT_EQ(shown()[5], "rbbbkkkkkbkkkkkr");

  toolkit::ImageList frames(nullptr);
  frames.add({toolkit::Bitmap(16, 16), {}});
  icon.setIconList(&frames);
  icon.setCycleInterval(100);
  icon.setCycleIcons(true);
  icon.setText("5");  // a text icon never cycles
  EXPECT_FALSE(icon.CycleIcons());
}

}  // namespace
}  // namespace lumaro::tray
