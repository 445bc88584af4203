#include "backends/linux/views/view_factory.h"

#include "backends/linux/views/button_views.h"
#include "backends/linux/views/combo_box_view.h"
#include "backends/linux/views/container_views.h"
#include "backends/linux/views/painted_control_view.h"
#include "backends/linux/views/spin_edit_view.h"
#include "backends/linux/views/static_views.h"
#include "backends/linux/views/track_bar_view.h"
#include "backends/shared/view_creator.h"

namespace lumaro::platform::linuxos {

// Every kind's makeView is declared above, where the shared creator finds it.
std::unique_ptr<ControlView> createView(toolkit::Control& control, QWidget& parent,
                                        toolkit::Application& app) {
  return platform::createView<ViewKit>(control, parent, app);
}

}  // namespace lumaro::platform::linuxos
