#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/spin_edit.h"

namespace lumaro::platform::win32 {

// An editor with up and down arrows beside it, created as a child of `parent`'s window.
std::unique_ptr<ControlView> makeView(toolkit::SpinEdit& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
