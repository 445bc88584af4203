#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos {

// Views for the controls Qt clicks by itself; the widget is created as a child of `parent`.
std::unique_ptr<ControlView> makeButtonView(toolkit::Button& model, QWidget& parent,
                                            toolkit::Application& app);
std::unique_ptr<ControlView> makeCheckBoxView(toolkit::CheckBox& model, QWidget& parent,
                                              toolkit::Application& app);
std::unique_ptr<ControlView> makeRadioButtonView(toolkit::RadioButton& model, QWidget& parent,
                                                 toolkit::Application& app);

}  // namespace lumaro::platform::linuxos
