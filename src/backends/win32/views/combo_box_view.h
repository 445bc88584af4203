#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/combo_box.h"

namespace lumaro::platform::win32 {

// A combo box of the common controls, editable for the DropDown style; created as a child of `parent`'s
// window.
std::unique_ptr<ControlView> makeView(toolkit::ComboBox& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
