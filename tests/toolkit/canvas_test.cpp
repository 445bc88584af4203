#include "toolkit/drawing/canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/drawing/system_colors.h"
#include "toolkit/pixel_art.h"

namespace lumaro::toolkit {
namespace {

using test::art;
using test::colorAt;
using ::testing::ElementsAre;

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() { canvas.fillRect({0, 0, 12, 12}); }  // the default brush is solid white
  std::vector<std::string> shape(const Rect& region) const { return art(bitmap, region, key); }

  Bitmap bitmap{12, 12};
  platform::fake::FakeTextService text;
  Canvas canvas{bitmap, text};
  std::map<Color, char> key{{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}};
};

TEST_F(CanvasTest, LinesExcludeTheirEndPointAndTiesStayNearTheStart) {
  canvas.moveTo(1, 1);
  canvas.lineTo(5, 1);  // horizontal: 1..4
  canvas.lineTo(5, 4);  // vertical: rows 1..3
  canvas.moveTo(0, 6);
  canvas.lineTo(4, 8);  // two rows down over four columns: exact halves at x = 1 and 3
  EXPECT_EQ(canvas.penPos(), (Point{4, 8}));
  EXPECT_THAT(shape({0, 0, 7, 9}), ElementsAre(".......",  //
                                               ".#####.",  //
                                               ".....#.",  //
                                               ".....#.",  //
                                               ".......",  //
                                               ".......",  //
                                               "##.....",  //
                                               "..##...",  //
                                               "......."));
}

TEST_F(CanvasTest, LinesMayStartAndEndOutsideTheBitmap) {
  canvas.moveTo(-1000000, 3);
  canvas.lineTo(1000000, 3);
  canvas.moveTo(5, -50);
  canvas.lineTo(5, 50);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(colorAt(bitmap, x, 3), clBlack);
  for (int y = 0; y < 12; ++y) EXPECT_EQ(colorAt(bitmap, 5, y), clBlack);
}

TEST_F(CanvasTest, RectanglesKeepTheirRightAndBottomEdgesOut) {
  canvas.brush.color = clRed;
  canvas.rectangle({1, 1, 5, 4});  // outline 1..4 × 1..3, filled inside
  canvas.fillRect({6, 1, 8, 3});   // 6..7 × 1..2
  canvas.brush.color = clBlue;
  canvas.frameRect({1, 6, 5, 9});
  canvas.pen.color = clBlue;
  canvas.rectangle({6, 6, 7, 7});  // one pixel
  canvas.brush.style = BrushStyle::Clear;
  canvas.pen.color = clBlack;
  canvas.rectangle({8, 6, 11, 9});  // outline only

  EXPECT_THAT(shape({0, 0, 12, 10}), ElementsAre("............",  //
                                                 ".####.rr....",  //
                                                 ".#rr#.rr....",  //
                                                 ".####.......",  //
                                                 "............",  //
                                                 "............",  //
                                                 ".bbbb.b.###.",  //
                                                 ".b..b...#.#.",  //
                                                 ".bbbb...###.",  //
                                                 "............"));
}

TEST_F(CanvasTest, EllipsesTakeThePixelsWhoseCentresLieInside) {
  canvas.brush.color = clRed;
  canvas.ellipse({0, 0, 4, 4});  // the round dot of a 4-pixel box
  canvas.ellipse({4, 0, 12, 8});
  EXPECT_THAT(shape({0, 0, 12, 8}), ElementsAre(".##...####..",  //
                                                "#rr#.#rrrr#.",  //
                                                "#rr##rrrrrr#",  //
                                                ".##.#rrrrrr#",  //
                                                "....#rrrrrr#",  //
                                                "....#rrrrrr#",  //
                                                ".....#rrrr#.",  //
                                                "......####.."));
}

TEST_F(CanvasTest, ArcsRunCounterClockwiseBetweenTwoDirections) {
  canvas.pen.color = clRed;
  canvas.arc({0, 0, 8, 8}, {6, 2}, {2, 6});  // upper-left half of the rim
  canvas.pen.color = clBlue;
  canvas.arc({0, 0, 8, 8}, {2, 6}, {6, 2});                 // lower-right half, which takes both 45° pixels
  EXPECT_THAT(shape({0, 0, 8, 8}), ElementsAre("..rrrr..",  //
                                               ".r....b.",  //
                                               "r......b",  //
                                               "r......b",  //
                                               "r......b",  //
                                               "r......b",  //
                                               ".b....b.",  //
                                               "..bbbb.."));
}

TEST_F(CanvasTest, PolygonsFillInsideAndOutlineEveryEdgeWithThePen) {
  canvas.brush.color = clRed;
  canvas.pen.color = clBlue;
  const Point trapezoid[] = {{0, 0}, {7, 0}, {5, 2}, {2, 2}};
  canvas.polygon(trapezoid);
  EXPECT_THAT(shape({0, 0, 8, 3}), ElementsAre("bbbbbbbb",  //
                                               ".brrrrb.",  //
                                               "..bbbb.."));
}

TEST_F(CanvasTest, WidePensDrawRoundEndedLinesThatIncludeTheEndPoint) {
  canvas.pen.width = 3;
  canvas.moveTo(2, 2);
  canvas.lineTo(7, 2);
  canvas.pen = {clRed, 2};
  canvas.moveTo(2, 7);
  canvas.lineTo(7, 7);
  EXPECT_THAT(shape({0, 0, 10, 9}), ElementsAre("..........",  //
                                                ".########.",  //
                                                ".########.",  //
                                                ".########.",  //
                                                "..........",  //
                                                "..........",  //
                                                ".rrrrrrr..",  //
                                                ".rrrrrrr..",  //
                                                ".........."));
}

TEST_F(CanvasTest, SystemColoursTakeTheClassicScheme) {
  EXPECT_EQ(resolveColor(clBtnFace), rgb(192, 192, 192));
  EXPECT_EQ(resolveColor(clBtnShadow), rgb(128, 128, 128));
  EXPECT_EQ(resolveColor(clBtnHighlight), clWhite);
  EXPECT_EQ(resolveColor(clActiveCaption), clNavy);
  EXPECT_EQ(resolveColor(clWindowFrame), clBlack);
  EXPECT_EQ(resolveColor(0x800000FF), clBlack);  // no such index
  EXPECT_EQ(resolveColor(rgb(1, 2, 3)), rgb(1, 2, 3));
  canvas.brush.color = clBtnFace;
  canvas.fillRect({0, 0, 1, 1});
  EXPECT_EQ(bitmap.pixel(0, 0), 0xC0C0C0u);
}

TEST_F(CanvasTest, SystemColoursFollowTheSchemeABackendSetsUntilItSetsAnother) {
  SystemScheme dark = classicScheme();
  dark[15] = rgb(32, 32, 32);    // button face
  dark[8] = rgb(250, 250, 250);  // window text
  setSystemScheme(dark);
  EXPECT_EQ(resolveColor(clBtnFace), rgb(32, 32, 32));
  EXPECT_EQ(resolveColor(clWindowText), rgb(250, 250, 250));
  EXPECT_EQ(resolveColor(clBtnShadow), rgb(128, 128, 128));
  EXPECT_EQ(resolveColor(rgb(192, 192, 192)), rgb(192, 192, 192));  // plain colours stay
  canvas.brush.color = clBtnFace;
  canvas.fillRect({0, 0, 1, 1});
  EXPECT_EQ(bitmap.pixel(0, 0), 0x202020u);
  setSystemScheme(classicScheme());
  EXPECT_EQ(resolveColor(clBtnFace), rgb(192, 192, 192));
}

TEST_F(CanvasTest, TextFillsItsCellWithASolidBrushAndStaysInsideItsRectangle) {
  canvas.font.color = clBlack;
  canvas.brush.color = clRed;
  canvas.textOut(0, 0, "ab");  // fake glyphs: 6 × 11 cells, a box one pixel narrower
  EXPECT_EQ(canvas.textExtent("ab"), (Size{12, 11}));
  EXPECT_EQ(colorAt(bitmap, 4, 0), clBlack);
  EXPECT_EQ(colorAt(bitmap, 5, 0), clRed);  // the gap shows the brush
  EXPECT_EQ(colorAt(bitmap, 0, 11), clWhite);

  bitmap = Bitmap(30, 20, toPixel(clWhite));
  canvas.brush.style = BrushStyle::Clear;
  canvas.drawText({5, 2, 14, 20}, "ab", TextAlign::Center, true);  // 12 wide in 9: clipped both sides
  EXPECT_EQ(colorAt(bitmap, 4, 10), clWhite);
  EXPECT_EQ(colorAt(bitmap, 5, 10), clBlack);   // x = 5 + (9 − 12) / 2 = 4, cut at 5
  EXPECT_EQ(colorAt(bitmap, 14, 10), clWhite);  // cut at the right
  EXPECT_EQ(colorAt(bitmap, 6, 4), clWhite);
  EXPECT_EQ(colorAt(bitmap, 6, 5), clBlack);   // y = 2 + (18 − 11) / 2 = 5 ...
  EXPECT_EQ(colorAt(bitmap, 6, 15), clBlack);  // ... to 15
  EXPECT_EQ(colorAt(bitmap, 6, 16), clWhite);
  canvas.drawText({0, 0, 30, 20}, "a", TextAlign::Right, false);
  EXPECT_EQ(colorAt(bitmap, 28, 0), clBlack);
  EXPECT_EQ(colorAt(bitmap, 23, 0), clWhite);
}

TEST_F(CanvasTest, BitmapsCopyClippedOpaqueOrWithOneTransparentColour) {
  Bitmap source(3, 2, toPixel(clRed));
  source.setPixel(1, 0, toPixel(clBlue));
  canvas.draw(-1, 10, source);  // only columns 1..2 and row 0..1 land, at x 0..1, y 10..11
  canvas.drawTransparent(5, 5, source, clRed);
  EXPECT_EQ(colorAt(bitmap, 0, 10), clBlue);
  EXPECT_EQ(colorAt(bitmap, 1, 11), clRed);
  EXPECT_EQ(colorAt(bitmap, 2, 10), clWhite);
  EXPECT_EQ(colorAt(bitmap, 6, 5), clBlue);
  EXPECT_EQ(colorAt(bitmap, 5, 5), clWhite);
  EXPECT_EQ(colorAt(bitmap, 7, 6), clWhite);
}

TEST_F(CanvasTest, TurnedTextRunsUpwardFromItsOriginWithItsCellToTheRightAndIconsKeepTheirMask) {
  canvas.font = {"Tahoma", 3, false, clBlack};
  canvas.font.angle = 90;
  canvas.brush.color = clRed;
  // 12 long, 3 thick: x 2..4, y −4..7.
  canvas.textOut(2, 8, "ab");
  EXPECT_THAT(shape({1, 0, 6, 9}), ElementsAre(".###.",  // "b"
                                               ".###.",  //
                                               ".rrr.",  // the gap between the letters
                                               ".###.",  // "a", from row 7 up
                                               ".###.",  //
                                               ".###.",  //
                                               ".###.",  //
                                               ".###.",  //
                                               "....."));
  Icon icon{Bitmap(2, 1, toPixel(clBlue)), {0, 1}};
  canvas.drawIcon(10, 11, icon);
  EXPECT_EQ(colorAt(bitmap, 10, 11), clBlue);
  EXPECT_EQ(colorAt(bitmap, 11, 11), clWhite);
}

}  // namespace
}  // namespace lumaro::toolkit
