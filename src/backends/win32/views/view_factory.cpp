#include "backends/win32/views/view_factory.h"

#include "backends/shared/view_creator.h"
#include "backends/win32/views/button_views.h"
#include "backends/win32/views/combo_box_view.h"
#include "backends/win32/views/container_views.h"
#include "backends/win32/views/painted_control_view.h"
#include "backends/win32/views/spin_edit_view.h"
#include "backends/win32/views/static_views.h"
#include "backends/win32/views/track_bar_view.h"

namespace lumaro::platform::win32 {

// Every kind's makeView is declared above, where the shared creator finds it.
std::unique_ptr<ControlView> createView(toolkit::Control& control, ControlView& parent,
                                        toolkit::Application& app) {
  return platform::createView<ViewKit>(control, parent, app);
}

}  // namespace lumaro::platform::win32
