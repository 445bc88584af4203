#pragma once
#include <array>

#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "widgets/led_glyphs.h"
#include "widgets/shade_colors.h"

namespace lumaro::widgets {

enum class TBorderStyle { bsNone, bsSingle };
enum class TDecSeperator { dsPoint, dsComma, dsDoublePoint, dsMinus };

// A numeric read-out imitating a row of seven-segment LED digits: lit segments in ColorLED, unlit
// ones dimmed, and an optional decimal separator between two digits. The eleven glyphs are drawn once
// into a cache, which is rebuilt when their look or the value changes.
class TLEDDisplay : public toolkit::PaintedControl {
 public:
  TLEDDisplay(toolkit::Component* owner, platform::TextService& text);

  toolkit::Bevel BevelStyle() const { return bevelStyle_; }
  void setBevelStyle(toolkit::Bevel style);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);
  toolkit::Color ColorBackGround() const { return background_; }
  void setColorBackGround(toolkit::Color color);
  toolkit::Color ColorLED() const { return colorLED_; }
  void setColorLED(toolkit::Color color);
  TDecSeperator DecSeperator() const { return decSeperator_; }
  void setDecSeperator(TDecSeperator seperator);
  int DigitHeight() const { return digitHeight_; }
  void setDigitHeight(int height);
  int DigitWidth() const { return digitWidth_; }
  void setDigitWidth(int width);
  int DigitLineWidth() const { return digitLineWidth_; }
  void setDigitLineWidth(int width);
  int FractionDigits() const { return fractionDigits_; }
  // Clamped to NumDigits − 1 (and to at least 0).
  void setFractionDigits(int digits);
  bool LeadingZeros() const { return leadingZeros_; }
  void setLeadingZeros(bool leadingZeros);
  TContrast LEDContrast() const { return contrast_; }
  // Levels outside 0..9 are ignored.
  void setLEDContrast(TContrast contrast);
  int NumDigits() const { return numDigits_; }
  void setNumDigits(int count);
  TSegmentStyle SegmentStyle() const { return segmentStyle_; }
  void setSegmentStyle(TSegmentStyle style);
  long double Value() const { return value_; }
  // A different number rebuilds the glyphs, repaints and fires OnChange.
  void setValue(long double value);

  // A read-out: its number as the digits show it.
  toolkit::AccessibleDescription describe() const override;

  toolkit::NotifyEvent OnChange;

  toolkit::Color unlitColor() const { return unlit_; }
  const toolkit::Bitmap& glyph(int index) const { return glyphs_.at(index); }

 protected:
  void paint(toolkit::Canvas& canvas) override;

 private:
  // Stores a value that changes the glyphs' look.
  template <class T>
  void storeLook(T& field, T value);
  void rebuildGlyphs();
  void drawSeperator(toolkit::Canvas& canvas, int x, int y);

  toolkit::Bevel bevelStyle_ = toolkit::Bevel::Lowered;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  toolkit::Color background_ = toolkit::clBlack;
  toolkit::Color colorLED_ = toolkit::clLime;
  TDecSeperator decSeperator_ = TDecSeperator::dsComma;
  int digitHeight_ = 30;
  int digitWidth_ = 20;
  int digitLineWidth_ = 3;
  int fractionDigits_ = 0;
  bool leadingZeros_ = true;
  TContrast contrast_ = 7;
  int numDigits_ = 6;
  TSegmentStyle segmentStyle_ = TSegmentStyle::ssBeveled;
  long double value_ = 0;
  toolkit::Color unlit_;
  std::array<toolkit::Bitmap, kGlyphCount> glyphs_;
};

}  // namespace lumaro::widgets
