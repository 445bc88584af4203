#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos {

// Views for the controls Qt clicks by itself; the widget is created as a child of `parent`.
std::unique_ptr<ControlView> makeView(toolkit::Button& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::CheckBox& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::RadioButton& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
