#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"

namespace lumaro::platform::linuxos {

// The view for a control of any standard kind, its widget created as a child of `parent` (the widget of
// the control's parent). Kinds without a view of their own get a plain widget.
std::unique_ptr<ControlView> createView(toolkit::Control& control, QWidget& parent,
                                        toolkit::Application& app);

}  // namespace lumaro::platform::linuxos
