#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

// Views of controls that hold others; each window is created as a child of `parent`'s window and is
// where the windows of the control's children go.
std::unique_ptr<ControlView> makePanelView(toolkit::Panel& model, ControlView& parent,
                                           toolkit::Application& app);
std::unique_ptr<ControlView> makePageControlView(toolkit::PageControl& model, ControlView& parent,
                                                 toolkit::Application& app);
// A page of the page control whose view is `pages`; pages are added in the order of the page control's
// children.
std::unique_ptr<ControlView> makeTabSheetView(toolkit::TabSheet& model, ControlView& pages,
                                              toolkit::Application& app);

}  // namespace lumaro::platform::win32
