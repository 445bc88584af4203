#pragma once
#include "toolkit/core/control.h"

namespace lumaro::toolkit {

// A numeric spin edit. When MinValue differs from MaxValue the value is kept within them; a value
// change runs OnChange.
class SpinEdit : public Control {
 public:
  using Control::Control;

  double value() const { return value_; }
  void setValue(double value);
  double minValue() const { return minValue_; }
  double maxValue() const { return maxValue_; }
  void setRange(double minValue, double maxValue);
  double increment() const { return increment_; }
  void setIncrement(double increment);
  bool editorEnabled() const { return editorEnabled_; }
  void setEditorEnabled(bool enabled);
  int maxLength() const { return maxLength_; }
  void setMaxLength(int length);

  // The up arrow button.
  void stepUp() { setValue(value_ + increment_); }

  NotifyEvent OnChange;

 private:
  double checked(double value) const;

  double value_ = 0;
  double minValue_ = 0;
  double maxValue_ = 0;
  double increment_ = 1;
  bool editorEnabled_ = true;
  int maxLength_ = 0;
};

}  // namespace lumaro::toolkit
