#pragma once
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"
#include "toolkit/core/control.h"

namespace lumaro::toolkit {

// One function per kind of standard control, each handed the control as that kind: what a backend
// implements to make a view for every kind. A control of no kind of its own (a form, a bare container)
// goes to `other`.
template <class Result>
class ControlVisitor {
 public:
  virtual Result visit(CheckBox& control) = 0;
  virtual Result visit(RadioButton& control) = 0;
  virtual Result visit(Button& control) = 0;
  virtual Result visit(TrackBar& control) = 0;
  virtual Result visit(SpinEdit& control) = 0;
  virtual Result visit(ComboBox& control) = 0;
  virtual Result visit(Label& control) = 0;
  virtual Result visit(Image& control) = 0;
  virtual Result visit(Panel& control) = 0;
  virtual Result visit(PaintedControl& control) = 0;
  virtual Result visit(PageControl& control) = 0;
  virtual Result visit(TabSheet& control) = 0;
  virtual Result other(Control& control) = 0;

 protected:
  ~ControlVisitor() = default;
};

// Hands `control` to the visitor's function for the most specific kind it is of: a control of a class
// derived from a standard one (an instrument is a painted control) goes to that standard kind.
template <class Result>
Result visitControl(Control& control, ControlVisitor<Result>& visitor) {
  // A kind derived from another kind has to be tried before it.
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return visitor.visit(*box);
  if (auto* radio = dynamic_cast<RadioButton*>(&control)) return visitor.visit(*radio);
  if (auto* button = dynamic_cast<Button*>(&control)) return visitor.visit(*button);
  if (auto* bar = dynamic_cast<TrackBar*>(&control)) return visitor.visit(*bar);
  if (auto* spin = dynamic_cast<SpinEdit*>(&control)) return visitor.visit(*spin);
  if (auto* combo = dynamic_cast<ComboBox*>(&control)) return visitor.visit(*combo);
  if (auto* label = dynamic_cast<Label*>(&control)) return visitor.visit(*label);
  if (auto* image = dynamic_cast<Image*>(&control)) return visitor.visit(*image);
  if (auto* panel = dynamic_cast<Panel*>(&control)) return visitor.visit(*panel);
  if (auto* painted = dynamic_cast<PaintedControl*>(&control)) return visitor.visit(*painted);
  if (auto* pages = dynamic_cast<PageControl*>(&control)) return visitor.visit(*pages);
  if (auto* sheet = dynamic_cast<TabSheet*>(&control)) return visitor.visit(*sheet);
  return visitor.other(control);
}

}  // namespace lumaro::toolkit
