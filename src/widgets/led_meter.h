#pragma once
#include <array>

#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "widgets/shade_colors.h"

namespace lumaro::widgets {

enum class TMeterDirection { mdDown, mdLeft, mdRight, mdUp };

// A bar of rectangular LEDs: a position between Min and Max lights a proportional number of them, in
// three colour zones; unlit LEDs show a dimmed version of their zone's colour. A windowless control:
// what the LEDs leave uncovered shows its parent's colour.
class TLEDMeter : public toolkit::PaintedControl {
 public:
  TLEDMeter(toolkit::Component* owner, platform::TextService& text);

  toolkit::Bevel BevelStyle() const { return bevelStyle_; }
  void setBevelStyle(toolkit::Bevel style);
  toolkit::Color ColorLED1() const { return colors_[0]; }
  void setColorLED1(toolkit::Color color) { setZoneColor(0, color); }
  toolkit::Color ColorLED2() const { return colors_[1]; }
  void setColorLED2(toolkit::Color color) { setZoneColor(1, color); }
  toolkit::Color ColorLED3() const { return colors_[2]; }
  void setColorLED3(toolkit::Color color) { setZoneColor(2, color); }
  toolkit::Color ColorSeperator() const { return colorSeperator_; }
  void setColorSeperator(toolkit::Color color);
  TMeterDirection Direction() const { return direction_; }
  void setDirection(TMeterDirection direction);
  TContrast LEDContrast() const { return contrast_; }
  // Levels outside 0..9 are ignored.
  void setLEDContrast(TContrast contrast);
  int Max() const { return max_; }
  // Pulls StartColor2 and StartColor3 down to the new maximum; Position stays.
  void setMax(int max);
  int Min() const { return min_; }
  // Pushes StartColor2 and StartColor3 up to the new minimum; Position stays.
  void setMin(int min);
  int NumDigits() const { return numDigits_; }
  void setNumDigits(int count);
  int Position() const { return position_; }
  // A value different from the stored one (before clamping) is clamped into Min..Max, stored, and
  // fires OnChange.
  void setPosition(int position);
  bool SingleLED() const { return singleLED_; }
  void setSingleLED(bool single);
  int StartColor2() const { return startColor2_; }
  // Clamped into Min..Max and to at most StartColor3.
  void setStartColor2(int value);
  int StartColor3() const { return startColor3_; }
  // Clamped into Min..Max and to at least StartColor2.
  void setStartColor3(int value);

  // A meter: how far it is filled, in percent.
  toolkit::AccessibleDescription describe() const override;

  toolkit::NotifyEvent OnChange;

  // The colour of the unlit LEDs of zone 1, 2 or 3.
  toolkit::Color unlitColor(int zone) const { return unlit_.at(zone - 1); }

 protected:
  void paint(toolkit::Canvas& canvas) override;

 public:
  // The LED cells and the bevel; a row of cells narrower than the control leaves the rest uncovered.
  toolkit::Rect coveredArea() const override;

 protected:
 private:
  void setZoneColor(int index, toolkit::Color color);
  void shadeZone(int index);

  toolkit::Bevel bevelStyle_ = toolkit::Bevel::Lowered;
  std::array<toolkit::Color, 3> colors_{toolkit::clLime, toolkit::clYellow, toolkit::clRed};
  std::array<toolkit::Color, 3> unlit_{};
  toolkit::Color colorSeperator_ = toolkit::clBlack;
  TMeterDirection direction_ = TMeterDirection::mdRight;
  TContrast contrast_ = 6;
  int max_ = 100;
  int min_ = 0;
  int numDigits_ = 20;
  int position_ = 0;
  bool singleLED_ = false;
  int startColor2_ = 75;
  int startColor3_ = 90;
};

// How many LEDs of `numDigits` a value stands for on the span Max − Min: 0 for a span or a value of
// 0 or less, else NumDigits ÷ (span ÷ value) in extended precision, rounded half to even. Results
// beyond numDigits + 1 are cut there: every LED compares the same with them.
int ledCount(int numDigits, int min, int max, int value);

}  // namespace lumaro::widgets
