#pragma once
#include <memory>

#include "backends/linux/views/control_view.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::linuxos {

// A QSlider; the widget is created as a child of `parent`.
std::unique_ptr<ControlView> makeView(toolkit::TrackBar& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit);

}  // namespace lumaro::platform::linuxos
