#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::win32 {

// A window of our own that shows the control's picture; created as a child of `parent`'s window.
std::unique_ptr<ControlView> makeView(toolkit::PaintedControl& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
