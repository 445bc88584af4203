#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls/painted_control.h"
#include "toolkit/core/application.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/menus/menu.h"

namespace lumaro::widgets {

// A scrolling line chart in the style of a heart monitor: a dark screen with a grid and one polyline
// per series, each new point entering at the right edge. Its own popup menu lists the series with
// check marks that show or hide them. It installs itself as the application's show-hint handler
// (the last chart made wins): every tooltip is asked for again after 10 ms, so that it follows the
// mouse, and may carry the chart's value under the mouse.
class THeartMachine : public toolkit::PaintedControl, private toolkit::DrawnMenu {
 public:
  static constexpr int kHistory = 100;
  using History = std::array<int, kHistory>;
  // Answers the colour of series `Index`, given its default colour `AColor`.
  using TOnColorQuery =
      std::function<toolkit::Color(toolkit::Component& sender, int Index, toolkit::Color AColor)>;

  THeartMachine(toolkit::Component* owner, platform::TextService& text, toolkit::Application& app);
  ~THeartMachine() override;

  toolkit::Color ColorBackground() const { return colorBackground_; }
  void setColorBackground(toolkit::Color color);
  toolkit::Color ColorGrid() const { return colorGrid_; }
  void setColorGrid(toolkit::Color color);
  std::uint8_t HGridCount() const { return hGridCount_; }
  void setHGridCount(std::uint8_t count);
  std::uint8_t HTickCount() const { return hTickCount_; }
  void setHTickCount(std::uint8_t count);

  // The scale; plain fields: writing them does not repaint.
  int Min = 1;
  int Max = 10;
  bool ShowHint = true;
  bool AppendValueToHint = false;
  TOnColorQuery OnColorQuery;

  // Appends a point to series `index` (created, with the menu item, when it is one past the highest so
  // far) and repaints when that changes the picture (a flat line that stays flat does not; a colour
  // query whose answers change over time needs invalidate()). A value outside Min..Max raises "Point
  // value out of range (<value>)"; an index that skips a series raises "Series index out of range (<index>)".
  // Nothing changes then.
  void AddPoint(int index, int value, const std::string& caption);

  int seriesCount() const { return static_cast<int>(values_.size()); }
  // Index 0 oldest, kHistory − 1 newest.
  const History& values(int series) const { return values_.at(series); }
  bool seriesVisible(int series) const { return visible_.at(series) != 0; }
  // The menu of series: item i is series i, its check mark its visibility.
  toolkit::PopupMenu& PopupMenu() { return menu_; }

  // The row of a value and the value of a row, on the current scale.
  int valueToY(int value) const;
  int yToValue(int y) const;

  void mouseMove(int x, int y) override;
  std::string hintAt(int x, int y) const override;
  // The application's show-hint handler while this chart is installed.
  void showHint(toolkit::HintInfo& hint, bool& canShow) const;
  toolkit::DrawnMenu* contextMenu() override { return this; }
  // A chart: the three latest values of each series it shows, the newest last.
  toolkit::AccessibleDescription describe() const override;

 protected:
  void paint(toolkit::Canvas& canvas) override;

 private:
  int itemCount() const override;
  toolkit::Size measureItem(toolkit::Canvas& canvas, int index, toolkit::Size standard) override;
  void drawItem(toolkit::Canvas& canvas, int index, const toolkit::Rect& rect, bool selected) override;
  void clickItem(int index) override;
  std::string itemText(int index) const override;

  toolkit::Color seriesColor(int series);
  void toggle(int series);
  bool appendKeepsPicture(int series, int value) const;

  toolkit::Color colorBackground_ = toolkit::clBlack;
  toolkit::Color colorGrid_ = toolkit::clGreen;
  std::uint8_t hGridCount_ = 5;
  std::uint8_t hTickCount_ = 10;
  std::vector<History> values_;
  std::vector<std::uint8_t> visible_;
  int hintValue_ = 0;
  // The scale of the last painting: Min and Max change without a repaint.
  int paintedMin_ = Min;
  int paintedMax_ = Max;
  toolkit::PopupMenu& menu_;
  toolkit::Application& app_;
};

}  // namespace lumaro::widgets
