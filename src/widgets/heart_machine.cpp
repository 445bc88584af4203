#include "widgets/heart_machine.h"

#include <algorithm>
#include <cmath>

#include "toolkit/core/error.h"
#include "toolkit/drawing/text.h"

namespace lumaro::widgets {

using namespace toolkit;

namespace {

constexpr std::array<Color, 17> kSeriesColors{clRed,    clLime,   clYellow, clBlue,   clFuchsia, clAqua,
                                              clSilver, clGray,   clWhite,  clMaroon, clGreen,   clOlive,
                                              clNavy,   clPurple, clTeal,   clGray,   clSilver};

// Truncation toward zero of a product formed exactly (extended precision).
int truncated(long double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

THeartMachine::THeartMachine(Component* owner, platform::TextService& text, Application& app)
    : PaintedControl(owner, text),
      values_(1, History{}),
      visible_(1, 1),
      menu_(create<toolkit::PopupMenu>()),
      app_(app) {
  setAlign(Align::Client);
  setBounds({0, 0, 100, 100});
  app_.setOnShowHint([this](HintInfo& hint, bool& canShow) { showHint(hint, canShow); }, this);
}

THeartMachine::~THeartMachine() {
  app_.removeOnShowHint(this);
}

void THeartMachine::setColorBackground(Color color) {
  setProperty(colorBackground_, color);
}
void THeartMachine::setColorGrid(Color color) {
  setProperty(colorGrid_, color);
}
void THeartMachine::setHGridCount(std::uint8_t count) {
  setProperty(hGridCount_, count);
}
void THeartMachine::setHTickCount(std::uint8_t count) {
  setProperty(hTickCount_, count);
}

int THeartMachine::valueToY(int value) const {
  const long double rows = height() - 1;
  // An empty scale (Max = Min) leaves the spacing undefined: everything sits on the bottom row.
  if (Max == Min) return static_cast<int>(rows);
  return truncated(rows -
                   rows / (static_cast<long double>(Max) - Min) * (static_cast<long double>(value) - Min));
}

int THeartMachine::yToValue(int y) const {
  const long double rows = height() - 1;
  const int below = rows > 0 ? truncated(y / rows * (static_cast<long double>(Max) - Min) + Min) : Min;
  return Max + Min - below;
}

void THeartMachine::AddPoint(int index, int value, const std::string& caption) {
  if (value > Max || value < Min) throw Error("Point value out of range (" + intToStr(value) + ")");
  if (index < 0 || index > seriesCount()) throw Error("Series index out of range (" + intToStr(index) + ")");
  const bool created = index == seriesCount();
  if (created) {
    values_.push_back(History{});
    visible_.push_back(1);
  }
  const bool keepsPicture = !created && appendKeepsPicture(index, value);
  if (static_cast<int>(menu_.items().size()) < index + 1) {
    MenuItem& item = menu_.addItem({}, caption);
    item.checked = true;
    item.OnClick = [this, index](Component&) { toggle(index); };
  }
  menu_.items()[index]->caption = caption;
  History& history = values_[index];
  std::copy(history.begin() + 1, history.end(), history.begin());
  history.back() = value;
  if (!keepsPicture) changed();
}

bool THeartMachine::appendKeepsPicture(int series, int value) const {
  if (Min != paintedMin_ || Max != paintedMax_) return false;
  const int points = std::min<int>(hTickCount_, kHistory);
  if (visible_[series] == 0 || points == 0) return true;
  // Every plotted point moves one step left and the new one enters at the right: the line looks the
  // same only when all of them lie on one row.
  const History& history = values_[series];
  const int row = valueToY(value);
  for (int j = 0; j < points; ++j) {
    const int old = history[kHistory - 1 - j];
    if (old != value && valueToY(old) != row) return false;
  }
  return true;
}

void THeartMachine::toggle(int series) {
  visible_[series] = visible_[series] != 0 ? 0 : 1;
  menu_.items()[series]->checked = visible_[series] != 0;
  // The menu closes over the chart, which shows the change as it is painted again.
  changed();
}

Color THeartMachine::seriesColor(int series) {
  // Beyond the table the colours start again.
  const Color standard = kSeriesColors[static_cast<std::size_t>(series) % kSeriesColors.size()];
  return OnColorQuery ? OnColorQuery(*this, series, standard) : standard;
}

void THeartMachine::paint(Canvas& canvas) {
  const int w = width(), h = height();
  paintedMin_ = Min;
  paintedMax_ = Max;
  canvas.brush = {colorBackground_, BrushStyle::Solid};
  canvas.fillRect(clientRect());

  canvas.pen = {colorGrid_, 1};
  // One grid line leaves the spacing undefined: it lies at the top.
  const double spacing =
      hGridCount_ > 1 ? static_cast<double>((h - 1) / static_cast<long double>(hGridCount_ - 1)) : 0;
  for (int k = 0; k < hGridCount_; ++k) {
    const int y = truncated(static_cast<long double>(k) * spacing);
    canvas.moveTo(0, y);
    canvas.lineTo(w, y);
  }
  // Without ticks there is no step: no tick lines and no points.
  if (hTickCount_ == 0) return;
  const double step = static_cast<double>(w / static_cast<long double>(hTickCount_));
  const auto tickX = [step](int k) { return truncated(static_cast<long double>(k) * step); };
  for (int k = hTickCount_; k >= 0; --k) {
    canvas.moveTo(tickX(k), 0);
    canvas.lineTo(tickX(k), h);
  }

  // At most the whole history is plotted, however many ticks there are.
  const int points = std::min<int>(hTickCount_, kHistory);
  for (int series = 0; series < seriesCount(); ++series) {
    if (visible_[series] == 0) continue;
    const History& history = values_[series];
    canvas.pen = {seriesColor(series), 1};
    canvas.moveTo(tickX(hTickCount_), valueToY(history[kHistory - 1]));
    for (int j = 0; j < points; ++j)
      canvas.lineTo(tickX(hTickCount_ - j), valueToY(history[kHistory - 1 - j]));
  }
}

void THeartMachine::mouseMove(int, int y) {
  if (ShowHint && AppendValueToHint) hintValue_ = yToValue(y);
}

std::string THeartMachine::hintAt(int, int) const {
  return ShowHint ? hint() : std::string();
}

void THeartMachine::showHint(HintInfo& hint, bool& canShow) const {
  hint.reshowTimeoutMs = 10;
  canShow = true;
  if (!AppendValueToHint) return;
  const std::string value = intToStr(hintValue_);
  hint.text = hint.text.empty() ? "Value=" + value : this->hint() + "(Value=" + value + ")";
}

int THeartMachine::itemCount() const {
  return static_cast<int>(menu_.items().size());
}

Size THeartMachine::measureItem(Canvas& canvas, int index, Size standard) {
  return {canvas.textExtent(menu_.items()[index]->caption).width + 10, standard.height};
}

void THeartMachine::drawItem(Canvas& canvas, int index, const Rect& rect, bool selected) {
  const MenuItem& item = *menu_.items()[index];
  canvas.brush = {selected ? clActiveCaption : clBtnFace, BrushStyle::Solid};
  canvas.fillRect(rect);
  canvas.font.color = seriesColor(index);
  canvas.textOut(rect.left + 12, rect.top + 3, item.caption);
  if (item.checked) {
    canvas.pen = {selected ? clCaptionText : clMenuText, 2};
    const Point mark[] = {
        {rect.left + 1, rect.top + 9}, {rect.left + 4, rect.top + 12}, {rect.left + 9, rect.top + 6}};
    canvas.polyline(mark);
  }
}

void THeartMachine::clickItem(int index) {
  menu_.items()[index]->click();
}

std::string THeartMachine::itemText(int index) const {
  return menu_.items().at(index)->caption;
}

AccessibleDescription THeartMachine::describe() const {
  constexpr int kLatest = 3;
  std::string shown;
  for (int series = 0; series < seriesCount(); ++series) {
    if (visible_[series] == 0) continue;
    if (!shown.empty()) shown += "; ";
    // The series a new chart starts with has no caption until its first point.
    const auto& items = menu_.items();
    shown += (series < static_cast<int>(items.size()) ? items[series]->caption : std::string()) + ":";
    for (int j = kHistory - kLatest; j < kHistory; ++j) {
      shown += (j == kHistory - kLatest ? " " : ", ") + accessibleNumber(values_[series][j]);
    }
  }
  return {accessibleName(), AccessibleRole::Chart, shown, std::nullopt};
}

}  // namespace lumaro::widgets
