#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

// Views of controls that hold others; each window is created as a child of `parent`'s window and is
// where the windows of the control's children go.
std::unique_ptr<ControlView> makeView(toolkit::Panel& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::PageControl& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);
// A page of the page control whose view is `parent`, else none; pages are added in the order of the
// page control's children.
std::unique_ptr<ControlView> makeView(toolkit::TabSheet& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
