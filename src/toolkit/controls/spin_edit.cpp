#include "toolkit/controls/spin_edit.h"

#include <algorithm>
#include <cmath>

namespace lumaro::toolkit {

double SpinEdit::checked(double value) const {
  if (std::isnan(value)) return value_;
  if (maxValue_ != minValue_) return std::clamp(value, minValue_, maxValue_);
  return value;
}

void SpinEdit::setValue(double value) {
  value = checked(value);
  if (value == value_) return;
  value_ = value;
  changed();
  OnChange(*this);
}

void SpinEdit::setRange(double minValue, double maxValue) {
  minValue_ = std::min(minValue, maxValue);
  maxValue_ = std::max(minValue, maxValue);
  changed();
  setValue(value_);
}

void SpinEdit::setIncrement(double increment) {
  increment_ = increment;
  changed();
}

void SpinEdit::setEditorEnabled(bool enabled) {
  editorEnabled_ = enabled;
  changed();
}

void SpinEdit::setMaxLength(int length) {
  maxLength_ = length;
  changed();
}

}  // namespace lumaro::toolkit
