#pragma once
#include <memory>

#include "backends/win32/views/control_view.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::platform::win32 {

// A track bar of the common controls, created as a child of `parent`'s window.
std::unique_ptr<ControlView> makeView(toolkit::TrackBar& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit);

}  // namespace lumaro::platform::win32
