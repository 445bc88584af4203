#include "toolkit/controls/check_box.h"

namespace lumaro::toolkit {

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed();
  OnClick(*this);
}

void RadioButton::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed();
  if (!checked) return;
  uncheckSiblings();
  OnClick(*this);
}

void RadioButton::uncheckSiblings() {
  if (parent() == nullptr) return;
  for (Control* sibling : parent()->children()) {
    if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio != nullptr && radio != this) {
      radio->setChecked(false);
    }
  }
}

}  // namespace lumaro::toolkit
