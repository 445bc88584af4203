// Every figure the tray can show, drawn by the text tray icon with the system's real font: each
// glyph stands whole in the 16 × 16 picture, apart from its neighbours and clear of the edge columns.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_tray.h"
#include "backends/linux/desktop/text_service.h"
#include "toolkit/core/form.h"
#include "tray/narrow_figures.h"
#include "tray/text_tray_icon.h"
#include "tray/tray_figure.h"

namespace lumaro::platform::linuxos {
namespace {

constexpr int kSide = 16;

// Ink as rows of '#' and '.', cropped to its bounds.
using Ink = std::vector<std::string>;

Ink crop(const std::vector<std::string>& rows, int left, int right, int top, int bottom) {
  int firstRow = bottom, lastRow = top - 1, firstColumn = right, lastColumn = left - 1;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (rows[y][x] != '#') continue;
      firstRow = std::min(firstRow, y);
      lastRow = y;
      firstColumn = std::min(firstColumn, x);
      lastColumn = std::max(lastColumn, x);
    }
  }
  Ink out;
  for (int y = firstRow; y <= lastRow; ++y)
    out.push_back(rows[y].substr(firstColumn, lastColumn - firstColumn + 1));
  return out;
}

// Runs of inked lines along one direction: [first, end) pairs.
std::vector<std::pair<int, int>> runs(const std::vector<bool>& inked) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < static_cast<int>(inked.size()); ++i) {
    if (!inked[i]) continue;
    if (out.empty() || out.back().second != i) out.push_back({i, i});
    out.back().second = i + 1;
  }
  return out;
}

class TrayFigurePictures : public ::testing::Test {
 protected:
  TrayFigurePictures() {
    app.setMainForm(&form);
    // As the main window sets its icon; without a colour only the glyphs are opaque.
    icon.setFont({"Arial", 9, false, toolkit::clBlack});
    icon.Options().setOffsetX(1);
    icon.Options().setOffsetY(-1);
    icon.setColor(toolkit::clNone);
  }

  std::vector<std::string> picture(const std::string& figure) {
    icon.setText(figure);
    std::vector<std::string> rows(kSide, std::string(kSide, '.'));
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (!icon.Icon().isTransparent(x, y)) rows[y][x] = '#';
      }
    }
    return rows;
  }

  // A character's ink drawn alone, in the font and in the narrow font.
  std::pair<Ink, Ink> alone(char c) {
    if (auto found = glyphs.find(c); found != glyphs.end()) return found->second;
    const std::vector<std::string> font = picture(std::string(1, c));
    toolkit::Bitmap narrowPicture(kSide, kSide, 0xFFFFFF);
    tray::narrow::draw(narrowPicture, std::string(1, c), 0);
    std::vector<std::string> narrow(kSide, std::string(kSide, '.'));
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (narrowPicture.pixel(x, y) == 0) narrow[y][x] = '#';
      }
    }
    return glyphs[c] = {crop(font, 0, kSide, 0, kSide), crop(narrow, 0, kSide, 0, kSide)};
  }

  // Empty when the figure stands whole, else what is wrong.
  std::string fault(const std::string& figure) {
    const std::vector<std::string> rows = picture(figure);
    std::vector<bool> rowInked(kSide);
    for (int y = 0; y < kSide; ++y) {
      if (rows[y][0] == '#' || rows[y][kSide - 1] == '#') return "ink in an edge column";
      rowInked[y] = rows[y].find('#') != std::string::npos;
    }
    std::size_t next = 0;
    for (const auto& [top, bottom] : runs(rowInked)) {
      std::vector<bool> columnInked(kSide);
      for (int x = 0; x < kSide; ++x) {
        for (int y = top; y < bottom; ++y) columnInked[x] = columnInked[x] || rows[y][x] == '#';
      }
      for (const auto& [left, right] : runs(columnInked)) {
        if (next == figure.size()) return "more glyphs than characters";
        const Ink ink = crop(rows, left, right, top, bottom);
        const auto& [font, narrow] = alone(figure[next]);
        if (ink != font && ink != narrow)
          return "glyph " + std::to_string(next) + " is cut or touches another";
        ++next;
      }
    }
    return next == figure.size() ? std::string() : "glyphs missing";
  }

  fake::FakeEventLoop loop;
  fake::FakeMessageBox box;
  fake::FakeTray tray;
  QtTextService text;
  toolkit::Application app{loop, box};
  toolkit::Form form{nullptr, app};
  tray::TTextTrayIcon icon{&form, app, tray, text};
  std::map<char, std::pair<Ink, Ink>> glyphs;
};

TEST_F(TrayFigurePictures, EveryMegabyteFigureStandsWhole) {
  for (int figure = 0; figure <= 9999; ++figure) {
    const std::string shown = tray::trayFigure(figure);
    ASSERT_EQ(fault(shown), "") << shown;
  }
}

TEST_F(TrayFigurePictures, GigabyteFiguresStandWhole) {
  for (std::int64_t freeMB = 10000; freeMB < 1100000; freeMB += 1024 * 3 + 7) {
    const std::string shown = tray::trayFigure(freeMB);
    ASSERT_EQ(fault(shown), "") << shown;
  }
}

// The figures that fit the 9-pixel font keep it; the others take the narrow font.
TEST_F(TrayFigurePictures, TheFontStaysWhereItFits) {
  for (const char* figure : {"7", "42", "999", "9G"}) {
    const std::vector<std::string> rows = picture(figure);
    int inked = 0;
    for (const std::string& row : rows) inked += row.find('#') != std::string::npos ? 1 : 0;
    EXPECT_GT(inked, tray::narrow::kGlyphHeight) << figure;  // taller than the narrow glyphs
  }
  // The 9-pixel Arial figure as the unscaled screen draws it, the same at every scale factor.
  const std::vector<std::string> fortyTwo = picture("42");
  const std::vector<std::string> drawn{".....#..###.....", "....##.....#....", "....##.....#....",
                                       "...#.#....#.....", "...#.#...#......", "...####.#.......",
                                       ".....#..####...."};
  EXPECT_EQ(std::vector<std::string>(fortyTwo.begin() + 2, fortyTwo.begin() + 9), drawn);
  EXPECT_EQ(picture("1536")[5], std::string(kSide, '.'));  // the gap between the narrow lines
  EXPECT_EQ(picture("23G")[4], "...###.###..##..");
}

}  // namespace
}  // namespace lumaro::platform::linuxos
