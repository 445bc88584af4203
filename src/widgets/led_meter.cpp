#include "widgets/led_meter.h"

#include <algorithm>

#include "widgets/bevel.h"
#include "widgets/rounding.h"

namespace lumaro::widgets {

using namespace toolkit;

int ledCount(int numDigits, int min, int max, int value) {
  const long double span = static_cast<long double>(max) - min;
  if (numDigits <= 0 || span <= 0 || value <= 0) return 0;
  const long double count = numDigits / (span / value);
  return static_cast<int>(std::clamp<long double>(roundHalfEven(count), 0, numDigits + 1LL));
}

TLEDMeter::TLEDMeter(Component* owner, platform::TextService& text) : PaintedControl(owner, text) {
  setBounds({0, 0, 143, 16});
  for (int index = 0; index < 3; ++index) shadeZone(index);
}

void TLEDMeter::setBevelStyle(Bevel style) {
  setProperty(bevelStyle_, style);
}
void TLEDMeter::setColorSeperator(Color color) {
  setProperty(colorSeperator_, color);
}
void TLEDMeter::setDirection(TMeterDirection direction) {
  setProperty(direction_, direction);
}
void TLEDMeter::setNumDigits(int count) {
  setProperty(numDigits_, count);
}
void TLEDMeter::setSingleLED(bool single) {
  setProperty(singleLED_, single);
}

void TLEDMeter::shadeZone(int index) {
  unlit_[index] = ShadeColors(colors_[index], contrast_, contrast_).shadow;
}

void TLEDMeter::setZoneColor(int index, Color color) {
  if (colors_[index] == color) return;
  colors_[index] = color;
  shadeZone(index);
  changed();
}

void TLEDMeter::setLEDContrast(TContrast contrast) {
  if (contrast == contrast_ || contrast < 0 || contrast > kMaxContrast) return;
  contrast_ = contrast;
  for (int index = 0; index < 3; ++index) shadeZone(index);
  changed();
}

void TLEDMeter::setMax(int max) {
  if (max == max_) return;
  max_ = max;
  startColor2_ = std::min(startColor2_, max_);
  startColor3_ = std::min(startColor3_, max_);
  changed();
}

void TLEDMeter::setMin(int min) {
  if (min == min_) return;
  min_ = min;
  startColor2_ = std::max(startColor2_, min_);
  startColor3_ = std::max(startColor3_, min_);
  changed();
}

void TLEDMeter::setPosition(int position) {
  if (position == position_) return;
  const int lit = ledCount(numDigits_, min_, max_, position_);
  position_ = std::max(std::min(position, max_), min_);
  // The picture shows how many LEDs are lit, not the position itself.
  if (ledCount(numDigits_, min_, max_, position_) != lit) changed();
  OnChange(*this);
}

void TLEDMeter::setStartColor2(int value) {
  if (value == startColor2_) return;
  startColor2_ = std::min(std::max(std::min(value, max_), min_), startColor3_);
  changed();
}

void TLEDMeter::setStartColor3(int value) {
  if (value == startColor3_) return;
  startColor3_ = std::max(std::max(std::min(value, max_), min_), startColor2_);
  changed();
}

Rect TLEDMeter::coveredArea() const {
  if (bevelStyle_ != Bevel::None || numDigits_ <= 0) return clientRect();
  const int cells = numDigits_;
  switch (direction_) {
    case TMeterDirection::mdRight:
      return {0, 0, cells * (width() / cells) + 1, height()};
    case TMeterDirection::mdLeft:
      return {width() - cells * (width() / cells) - 1, 0, width(), height()};
    case TMeterDirection::mdUp:
      return {0, height() - cells * (height() / cells), width(), height()};
    case TMeterDirection::mdDown:
      return {0, 0, width(), cells * (height() / cells)};
  }
  return clientRect();
}

void TLEDMeter::paint(Canvas& canvas) {
  canvas.brush.color = parent() != nullptr ? parent()->color() : clBtnFace;
  canvas.fillRect(clientRect());

  const int a = bevelStyle_ == Bevel::None ? 0 : 1;
  const bool horizontal = direction_ == TMeterDirection::mdRight || direction_ == TMeterDirection::mdLeft;
  const int w = horizontal ? (numDigits_ > 0 ? (width() - 2 * a) / numDigits_ : 0) : width() - 2 * a - 1;
  const int h = horizontal ? height() - 2 * a : (numDigits_ > 0 ? (height() - 2 * a) / numDigits_ : 0);
  const int lit = ledCount(numDigits_, min_, max_, position_);
  const int zone2 = ledCount(numDigits_, min_, max_, startColor2_);
  const int zone3 = ledCount(numDigits_, min_, max_, startColor3_);

  canvas.pen = {colorSeperator_, 1};
  for (int i = 0; i < numDigits_; ++i) {
    const int zone = i < zone2 ? 0 : i < zone3 ? 1 : 2;
    const bool on = i < lit && (!singleLED_ || i == lit - 1);
    canvas.brush.color = on ? colors_[zone] : unlit_[zone];
    int x = a, y = a;
    switch (direction_) {
      case TMeterDirection::mdRight:
        x = a + i * w;
        break;
      case TMeterDirection::mdLeft:
        x = width() - a - (i + 1) * w - 1;
        break;
      case TMeterDirection::mdUp:
        y = height() - a - (i + 1) * h;
        break;
      case TMeterDirection::mdDown:
        y = a + i * h;
        break;
    }
    canvas.rectangle({x, y, x + w + 1, y + h});
  }
  drawLedBevel(canvas, clientRect(), bevelStyle_);
}

AccessibleDescription TLEDMeter::describe() const {
  const double span = static_cast<double>(max_) - min_;
  const double percent = span > 0 ? 100.0 * (position_ - min_) / span : 0;
  return {accessibleName(), AccessibleRole::Meter, accessibleNumber(percent) + "%",
          wholeRange(position_, min_, max_)};
}

}  // namespace lumaro::widgets
