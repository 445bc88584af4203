#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

// Views of controls without input of their own: presses and left clicks on them reach the model.
// Each window is created as a child of `parent`'s window.
std::unique_ptr<ControlView> makeView(toolkit::Label& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::Image& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit);
// Any other kind of control: a plain window with the common properties.
std::unique_ptr<ControlView> makeView(toolkit::Control& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::win32
