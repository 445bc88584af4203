#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/combo_box.h"

namespace lumaro::platform::linuxos {

// A QComboBox, editable for the DropDown style; created as a child of `parent`.
std::unique_ptr<ControlView> makeView(toolkit::ComboBox& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
