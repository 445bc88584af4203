#pragma once
#include <memory>

#include "platform/linux/views/control_view.h"
#include "toolkit/track_bar.h"

namespace lumaro::platform::qt {

// A QSlider; the widget is created as a child of `parent`.
std::unique_ptr<ControlView> makeTrackBarView(toolkit::TrackBar& model, QWidget& parent,
                                              toolkit::Application& app);

}  // namespace lumaro::platform::qt
