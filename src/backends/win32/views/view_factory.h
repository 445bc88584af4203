#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"

namespace lumaro::platform::win32 {

// The view for a control of any standard kind, its window created as a child of `parent`'s window
// (the view of the control's parent). Kinds without a view of their own get a plain window.
std::unique_ptr<ControlView> createView(toolkit::Control& control, ControlView& parent,
                                        toolkit::Application& app);

}  // namespace lumaro::platform::win32
