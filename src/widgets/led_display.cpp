#include "widgets/led_display.h"

#include <algorithm>
#include <cmath>

#include "widgets/bevel.h"
#include "widgets/led_display_text.h"

namespace lumaro::widgets {

using namespace toolkit;

TLEDDisplay::TLEDDisplay(Component* owner, platform::TextService& text)
    : PaintedControl(owner, text), unlit_(ShadeColors(colorLED_, contrast_, contrast_).shadow) {
  setBounds({0, 0, 168, 36});
  rebuildGlyphs();
}

template <class T>
void TLEDDisplay::storeLook(T& field, T value) {
  if (setProperty(field, value)) rebuildGlyphs();
}

void TLEDDisplay::setBevelStyle(Bevel style) {
  setProperty(bevelStyle_, style);
}
void TLEDDisplay::setBorderStyle(TBorderStyle style) {
  setProperty(borderStyle_, style);
}
void TLEDDisplay::setDecSeperator(TDecSeperator seperator) {
  setProperty(decSeperator_, seperator);
}
void TLEDDisplay::setLeadingZeros(bool leadingZeros) {
  setProperty(leadingZeros_, leadingZeros);
}
void TLEDDisplay::setNumDigits(int count) {
  setProperty(numDigits_, count);
}
void TLEDDisplay::setFractionDigits(int digits) {
  if (digits == fractionDigits_) return;
  fractionDigits_ = std::max(0, std::min(digits, numDigits_ - 1));
  changed();
}

void TLEDDisplay::setColorBackGround(Color color) {
  storeLook(background_, color);
}
void TLEDDisplay::setDigitHeight(int height) {
  storeLook(digitHeight_, height);
}
void TLEDDisplay::setDigitWidth(int width) {
  storeLook(digitWidth_, width);
}
void TLEDDisplay::setDigitLineWidth(int width) {
  storeLook(digitLineWidth_, width);
}
void TLEDDisplay::setSegmentStyle(TSegmentStyle style) {
  storeLook(segmentStyle_, style);
}

void TLEDDisplay::setColorLED(Color color) {
  if (color == colorLED_) return;
  unlit_ = ShadeColors(color, contrast_, contrast_).shadow;
  storeLook(colorLED_, color);
}

void TLEDDisplay::setLEDContrast(TContrast contrast) {
  if (contrast == contrast_ || contrast < 0 || contrast > kMaxContrast) return;
  unlit_ = ShadeColors(colorLED_, contrast, contrast).shadow;
  storeLook(contrast_, contrast);
}

void TLEDDisplay::setValue(long double value) {
  if (value == value_) return;
  // The glyphs do not depend on the value, and the picture only on the characters shown.
  const bool sameText =
      DisplayText(value, fractionDigits_, numDigits_) == DisplayText(value_, fractionDigits_, numDigits_);
  value_ = value;
  if (!sameText) changed();
  OnChange(*this);
}

void TLEDDisplay::rebuildGlyphs() {
  const GlyphStyle style{digitWidth_, digitHeight_, digitLineWidth_, segmentStyle_,
                         background_, colorLED_,    unlit_};
  for (int index = 0; index < kGlyphCount; ++index) drawGlyph(glyphs_[index], textService(), index, style);
}

void TLEDDisplay::paint(Canvas& canvas) {
  const DisplayText text(value_, fractionDigits_, numDigits_);
  canvas.brush.color = background_;
  canvas.fillRect(clientRect());

  if (numDigits_ > 0) {
    const int cell = width() / numDigits_;
    int x = (cell - digitWidth_) / 2;
    const int y = (height() - digitHeight_) / 2;
    bool drawn = false;
    for (int p = 1; p <= numDigits_; ++p) {
      const char c = text.at(p);
      if (leadingZeros_ || drawn || c != '0') {
        if (c == '-') canvas.draw(x, y, glyphs_[kMinusGlyph]);
        if (c >= '0' && c <= '9') canvas.draw(x, y, glyphs_[c - '0']);
        drawn = true;
      }
      x += cell;
      if (text.separator() == p + 1) drawSeperator(canvas, x, y);
    }
  }

  Rect rect = clientRect();
  if (bevelStyle_ != Bevel::None) {
    drawLedBevel(canvas, rect, bevelStyle_);
    rect = rect.inflated(-1);
  }
  if (borderStyle_ == TBorderStyle::bsSingle) {
    canvas.brush.color = clWindowFrame;
    canvas.frameRect(rect);
  }
}

void TLEDDisplay::drawSeperator(Canvas& canvas, int x, int y) {
  const int h = digitHeight_;
  canvas.pen = {colorLED_, 1};
  canvas.brush = {colorLED_, BrushStyle::Solid};
  switch (decSeperator_) {
    case TDecSeperator::dsPoint:
      canvas.ellipse({x - 6, y + h - 5, x - 2, y + h - 1});
      break;
    case TDecSeperator::dsComma:
      canvas.ellipse({x - 6, y + h - 8, x - 2, y + h - 4});
      canvas.moveTo(x - 3, y + h - 5);
      canvas.lineTo(x - 6, y + h - 1);
      canvas.lineTo(x - 2, y + h - 6);
      break;
    case TDecSeperator::dsDoublePoint:
      canvas.ellipse({x - 6, y + h / 3 - 2, x - 2, y + h / 3 + 2});
      canvas.ellipse({x - 6, y + 2 * h / 3 - 2, x - 2, y + 2 * h / 3 + 2});
      break;
    case TDecSeperator::dsMinus:
      canvas.pen.width = digitLineWidth_;
      canvas.moveTo(x - 6, y + h / 2);
      canvas.lineTo(x - digitLineWidth_, y + h / 2);
      break;
  }
}

AccessibleDescription TLEDDisplay::describe() const {
  const double value = static_cast<double>(value_);
  const double largest = std::pow(10.0, numDigits_ - fractionDigits_) - std::pow(10.0, -fractionDigits_);
  return {accessibleName(), AccessibleRole::ReadOut,
          accessibleNumber(value, fractionDigits_, decSeperator_ == TDecSeperator::dsComma ? ',' : '.'),
          AccessibleRange{value, 0, largest}};
}

}  // namespace lumaro::widgets
