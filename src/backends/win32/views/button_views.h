#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

// Buttons of the system's button class, created as children of `parent`'s window. Check boxes and radio
// buttons never check themselves: the model decides and the view shows it.
std::unique_ptr<ControlView> makeView(toolkit::Button& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::CheckBox& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::RadioButton& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
