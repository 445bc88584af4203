#include "widgets/heart_machine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_text_service.h"
#include "toolkit/core/error.h"
#include "toolkit/pixel_art.h"

namespace lumaro::widgets {
namespace {

using ::testing::ElementsAre;
using toolkit::Color;
using toolkit::rgb;
using toolkit::test::colorAt;

class HeartMachineTest : public ::testing::Test {
 protected:
  // Configured as the chart of the main window, scaled for 512 MB.
  void configureAsMemoryChart() {
    chart.setBounds({1, 1, 239, 199});
    chart.setHGridCount(15);
    chart.setHTickCount(20);
    chart.Min = 0;
    chart.Max = 512;
  }
  std::string errorOf(int index, int value) {
    try {
      chart.AddPoint(index, value, "x");
    } catch (const toolkit::Error& error) {
      return error.what();
    }
    return "no error";
  }

  platform::fake::FakeTextService text;
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  toolkit::Application app{loop, messageBox};
  THeartMachine chart{nullptr, text, app};
};

TEST_F(HeartMachineTest, NewInstance) {
  EXPECT_EQ(chart.align(), toolkit::Align::Client);
  EXPECT_EQ(chart.bounds().width, 100);
  EXPECT_EQ(chart.bounds().height, 100);
  EXPECT_EQ(chart.Min, 1);
  EXPECT_EQ(chart.Max, 10);
  EXPECT_EQ(chart.HGridCount(), 5);
  EXPECT_EQ(chart.HTickCount(), 10);
  EXPECT_EQ(chart.ColorGrid(), toolkit::clGreen);
  EXPECT_TRUE(chart.ShowHint);
  ASSERT_EQ(chart.seriesCount(), 1);
  EXPECT_TRUE(chart.seriesVisible(0));
  EXPECT_EQ(chart.values(0)[99], 0);
  EXPECT_TRUE(chart.PopupMenu().items().empty());
}

TEST_F(HeartMachineTest, GridAndTickLinesOfTheMemoryChart) {
  configureAsMemoryChart();
  const toolkit::Bitmap& p = chart.picture();
  std::vector<int> gridRows, tickColumns;
  for (int y = 0; y < 199; ++y)
    if (colorAt(p, 5, y) == toolkit::clGreen) gridRows.push_back(y);
  for (int x = 0; x < 239; ++x)
    if (colorAt(p, x, 5) == toolkit::clGreen) tickColumns.push_back(x);
  // 198 ÷ 14 as a double times 7 and times 14 stays just below 99 and 198.
  EXPECT_EQ(gridRows, (std::vector<int>{0, 14, 28, 42, 56, 70, 84, 98, 113, 127, 141, 155, 169, 183, 197}));
  // 239 ÷ 20 as a double is just below 11.95, so 20 steps end at 238.
  EXPECT_EQ(tickColumns, (std::vector<int>{0,   11,  23,  35,  47,  59,  71,  83,  95,  107, 119,
                                           131, 143, 155, 167, 179, 191, 203, 215, 227, 238}));
}

TEST_F(HeartMachineTest, StartUpPointsOfTheMemoryChart) {
  configureAsMemoryChart();
  chart.AddPoint(0, 409, "Auto Liberar");
  chart.AddPoint(1, 0, "Memória Alvo");
  ASSERT_EQ(chart.seriesCount(), 2);
  EXPECT_EQ(chart.values(0)[98], 0);  // 99 zeros and the new value
  EXPECT_EQ(chart.values(0)[99], 409);
  EXPECT_EQ(chart.valueToY(409), 39);
  EXPECT_EQ(chart.valueToY(512), 0);
  EXPECT_EQ(chart.valueToY(0), 198);

  const toolkit::Bitmap& p = chart.picture();
  EXPECT_EQ(colorAt(p, 238, 39), toolkit::clRed);  // the newest point at the right edge
  bool falls = false;                              // to the bottom at the next tick
  for (int x = 227; x <= 238; ++x) falls = falls || colorAt(p, x, 120) == toolkit::clRed;
  EXPECT_TRUE(falls);
  EXPECT_EQ(colorAt(p, 100, 198), toolkit::clLime);  // series 1 lies on the bottom row
  EXPECT_EQ(colorAt(p, 12, 198), toolkit::clLime);
  EXPECT_EQ(colorAt(p, 11, 198), toolkit::clGreen);  // the oldest point drawn is its end: excluded
  EXPECT_EQ(colorAt(p, 5, 198), toolkit::clBlack);   // the cell before the first tick stays empty

  const auto& items = chart.PopupMenu().items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->caption, "Auto Liberar");
  EXPECT_EQ(items[1]->caption, "Memória Alvo");
  EXPECT_TRUE(items[1]->checked);
  chart.AddPoint(1, 5, "Target");  // renames the item
  EXPECT_EQ(items[1]->caption, "Target");
  EXPECT_EQ(chart.values(1)[98], 0);
  EXPECT_EQ(chart.values(1)[99], 5);
}

TEST_F(HeartMachineTest, PointsOutsideTheScaleOrSkippingASeriesChangeNothing) {
  chart.AddPoint(0, 7, "a");
  EXPECT_EQ(errorOf(0, 11), "Point value out of range (11)");
  EXPECT_EQ(errorOf(0, 0), "Point value out of range (0)");
  EXPECT_EQ(errorOf(2, 5), "Series index out of range (2)");
  EXPECT_EQ(errorOf(-1, 5), "Series index out of range (-1)");
  EXPECT_EQ(chart.values(0)[99], 7);
  EXPECT_EQ(chart.seriesCount(), 1);
  EXPECT_EQ(chart.PopupMenu().items().size(), 1u);
  chart.AddPoint(0, 10, "a");  // Max and Min themselves are in range
  chart.AddPoint(0, 1, "a");
}

TEST_F(HeartMachineTest, TheMenuHidesASeriesWhoseValuesKeepScrolling) {
  configureAsMemoryChart();
  chart.AddPoint(0, 409, "Auto Liberar");
  chart.AddPoint(1, 0, "Memória Alvo");
  toolkit::DrawnMenu& menu = *chart.contextMenu();
  ASSERT_EQ(menu.itemCount(), 2);
  menu.clickItem(1);
  EXPECT_FALSE(chart.seriesVisible(1));
  EXPECT_FALSE(chart.PopupMenu().items()[1]->checked);
  EXPECT_EQ(colorAt(chart.picture(), 100, 198), toolkit::clRed);  // series 0, no longer covered
  chart.AddPoint(1, 100, "Memória Alvo");
  EXPECT_EQ(chart.values(1)[99], 100);
  menu.clickItem(1);
  EXPECT_EQ(colorAt(chart.picture(), 100, 198), toolkit::clLime);
}

TEST_F(HeartMachineTest, MenuItemsAreDrawnInTheirSeriesColour) {
  configureAsMemoryChart();
  chart.AddPoint(0, 256, "abc");
  chart.AddPoint(1, 5, "de");
  chart.contextMenu()->clickItem(1);
  chart.OnColorQuery = [](toolkit::Component&, int index, Color standard) {
    return index == 0 ? toolkit::clBlue : standard;
  };
  toolkit::MenuPicture menu(*chart.contextMenu(), text);
  // Caption width (fake glyphs: 6 each) + 10, plus the check mark room.
  EXPECT_EQ(menu.itemRect(0), (toolkit::Rect{3, 3, 3 + 18 + 10 + 12, 21}));
  const toolkit::Bitmap& p = menu.paint(0);
  const int left = 3, top = 3;
  EXPECT_EQ(colorAt(p, left + 12, top + 3), toolkit::clBlue);   // caption, from OnColorQuery
  EXPECT_EQ(colorAt(p, left + 11, top + 3), toolkit::clNavy);   // selected: active caption colour
  EXPECT_EQ(colorAt(p, left + 4, top + 12), toolkit::clWhite);  // check mark in caption text colour
  EXPECT_EQ(colorAt(p, left + 12, top + 18 + 3), toolkit::clLime);
  EXPECT_EQ(colorAt(p, left + 11, top + 18 + 3), rgb(192, 192, 192));
  EXPECT_EQ(colorAt(p, left + 4, top + 18 + 12), rgb(192, 192, 192));  // hidden series: no check mark

  toolkit::MenuPicture plain(*chart.contextMenu(), text);
  EXPECT_EQ(colorAt(plain.paint(-1), left + 4, top + 12), toolkit::clBlack);  // menu text colour
  EXPECT_EQ(colorAt(chart.picture(), 238, 99), toolkit::clBlue);              // the line follows it too
}

TEST_F(HeartMachineTest, AsTheApplicationsHintHandlerItFollowsTheMouseAndAddsTheValueWhenAsked) {
  chart.Min = 0;
  chart.Max = 99;  // 100 rows: one value per row
  EXPECT_EQ(chart.hintAt(0, 0), "");
  chart.setHint("Free");
  EXPECT_EQ(chart.hintAt(0, 0), "Free");
  // Any control's tooltip: shown, asked for again after 10 ms, its text unchanged.
  std::optional<toolkit::HintInfo> tip = app.hintToShow("Memória Alvo");
  ASSERT_TRUE(tip);
  EXPECT_EQ(tip->text, "Memória Alvo");
  EXPECT_EQ(tip->reshowTimeoutMs, 10);

  chart.AppendValueToHint = true;
  chart.mouseMove(3, 0);
  EXPECT_EQ(app.hintToShow(chart.hintAt(3, 0))->text, "Free(Value=99)");
  EXPECT_EQ(app.hintToShow("another control's")->text, "Free(Value=99)");  // the chart's own hint
  chart.mouseMove(3, 99);
  EXPECT_EQ(app.hintToShow("")->text, "Value=0");
  chart.ShowHint = false;
  chart.mouseMove(3, 50);  // not remembered
  EXPECT_EQ(chart.hintAt(3, 50), "");
  chart.ShowHint = true;
  EXPECT_EQ(app.hintToShow(chart.hintAt(3, 50))->text, "Free(Value=0)");
}

TEST_F(HeartMachineTest, TheLastChartMadeHandlesHintsUntilItGoes) {
  chart.AppendValueToHint = true;
  {
    THeartMachine second(nullptr, text, app);
    EXPECT_EQ(app.hintToShow("x")->text, "x");  // the new chart's: no value asked for
  }
  EXPECT_EQ(app.hintToShow("x")->text, "x");  // gone with it, not handed back
  EXPECT_EQ(app.hintToShow("x")->reshowTimeoutMs, 0);
  EXPECT_FALSE(app.hintToShow(""));
}

TEST_F(HeartMachineTest, UndefinedSpacingsStillPaint) {
  chart.setHTickCount(0);  // no step: only the grid
  EXPECT_EQ(colorAt(chart.picture(), 50, 0), toolkit::clGreen);
  EXPECT_EQ(colorAt(chart.picture(), 0, 50), toolkit::clBlack);
  chart.setHTickCount(10);
  chart.setHGridCount(1);  // one grid line, at the top
  EXPECT_EQ(colorAt(chart.picture(), 55, 0), toolkit::clGreen);
  EXPECT_EQ(colorAt(chart.picture(), 55, 24), toolkit::clBlack);
  chart.Min = chart.Max = 4;  // an empty scale: points on the bottom row
  chart.AddPoint(0, 4, "flat");
  EXPECT_EQ(colorAt(chart.picture(), 95, 99), toolkit::clRed);
  chart.setHTickCount(255);  // more ticks than history: the whole history, no more
  EXPECT_EQ(colorAt(chart.picture(), 70, 99), toolkit::clRed);
  EXPECT_EQ(colorAt(chart.picture(), 50, 99), toolkit::clGreen);  // ticks everywhere, no line
}

}  // namespace
}  // namespace lumaro::widgets
