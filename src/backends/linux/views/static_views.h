#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos {

// Views of controls without input of their own: presses and left clicks on them reach the model.
// Each widget is created as a child of `parent`.
std::unique_ptr<ControlView> makeView(toolkit::Label& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
std::unique_ptr<ControlView> makeView(toolkit::Image& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);
// Any other kind of control: a plain widget with the common properties.
std::unique_ptr<ControlView> makeView(toolkit::Control& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
