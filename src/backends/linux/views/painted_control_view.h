#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::linuxos {

// Any painted control: a widget showing the control's picture, repainted whenever the control changes.
// Presses and clicks reach the model as for other controls; mouse moves go to mouseMove, tooltips
// come from hintAt, and a right click opens the control's drawn menu.
std::unique_ptr<ControlView> makeView(toolkit::PaintedControl& model, QWidget& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::linuxos
