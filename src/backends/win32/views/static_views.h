#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

// Views of controls without input of their own: presses and left clicks on them reach the model.
// Each window is created as a child of `parent`'s window.
std::unique_ptr<ControlView> makeLabelView(toolkit::Label& model, ControlView& parent,
                                           toolkit::Application& app);
std::unique_ptr<ControlView> makeImageView(toolkit::Image& model, ControlView& parent,
                                           toolkit::Application& app);
// Any other kind of control: a plain window with the common properties.
std::unique_ptr<ControlView> makePlainView(toolkit::Control& model, ControlView& parent,
                                           toolkit::Application& app);

}  // namespace lumaro::platform::win32
