#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/spin_edit.h"

namespace lumaro::platform::linuxos {

// A QSpinBox when the increment is whole, else a QDoubleSpinBox; created as a child of `parent`.
std::unique_ptr<ControlView> makeView(toolkit::SpinEdit& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
