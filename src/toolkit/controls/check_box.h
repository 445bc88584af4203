#pragma once
#include "toolkit/core/control.h"

namespace lumaro::toolkit {

// A check box: a change of Checked, from the user or from code, runs OnClick.
class CheckBox : public Control {
 public:
  using Control::Control;

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  // The user's click toggles the box.
  void click() override { setChecked(!checked_); }

 private:
  bool checked_ = false;
};

// A radio button: becoming checked unchecks the other radio buttons of the same parent, silently, and
// runs OnClick; becoming unchecked runs nothing.
class RadioButton : public Control {
 public:
  using Control::Control;

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void click() override { setChecked(true); }

 private:
  void uncheckSiblings();
  bool checked_ = false;
};

}  // namespace lumaro::toolkit
