#pragma once
#include <memory>

#include "platform/linux/views/control_view.h"
#include "toolkit/combo_box.h"

namespace lumaro::platform::qt {

// A QComboBox, editable for the DropDown style; created as a child of `parent`.
std::unique_ptr<ControlView> makeComboBoxView(toolkit::ComboBox& model, QWidget& parent,
                                              toolkit::Application& app);

}  // namespace lumaro::platform::qt
