#include "platform/linux/views/view_factory.h"

#include <QTabWidget>

#include "platform/linux/views/button_views.h"
#include "platform/linux/views/combo_box_view.h"
#include "platform/linux/views/container_views.h"
#include "platform/linux/views/painted_control_view.h"
#include "platform/linux/views/spin_edit_view.h"
#include "platform/linux/views/static_views.h"
#include "platform/linux/views/track_bar_view.h"

namespace lumaro::platform::qt {

std::unique_ptr<ControlView> createView(toolkit::Control& control, QWidget& parent,
                                        toolkit::Application& app) {
  using namespace toolkit;
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return makeCheckBoxView(*box, parent, app);
  if (auto* radio = dynamic_cast<RadioButton*>(&control)) return makeRadioButtonView(*radio, parent, app);
  if (auto* button = dynamic_cast<Button*>(&control)) return makeButtonView(*button, parent, app);
  if (auto* bar = dynamic_cast<TrackBar*>(&control)) return makeTrackBarView(*bar, parent, app);
  if (auto* spin = dynamic_cast<SpinEdit*>(&control)) return makeSpinEditView(*spin, parent, app);
  if (auto* combo = dynamic_cast<ComboBox*>(&control)) return makeComboBoxView(*combo, parent, app);
  if (auto* label = dynamic_cast<Label*>(&control)) return makeLabelView(*label, parent, app);
  if (auto* image = dynamic_cast<Image*>(&control)) return makeImageView(*image, parent, app);
  if (auto* panel = dynamic_cast<Panel*>(&control)) return makePanelView(*panel, parent, app);
  if (auto* painted = dynamic_cast<PaintedControl*>(&control))
    return makePaintedControlView(*painted, parent, app);
  if (auto* pages = dynamic_cast<PageControl*>(&control)) return makePageControlView(*pages, parent, app);
  auto* sheet = dynamic_cast<TabSheet*>(&control);
  if (auto* tabs = qobject_cast<QTabWidget*>(&parent); sheet != nullptr && tabs != nullptr) {
    return makeTabSheetView(*sheet, *tabs, app);
  }
  return makePlainView(control, parent, app);
}

}  // namespace lumaro::platform::qt
