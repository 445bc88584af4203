#include "platform/win32/views/view_factory.h"

#include "platform/win32/views/button_views.h"
#include "platform/win32/views/combo_box_view.h"
#include "platform/win32/views/container_views.h"
#include "platform/win32/views/painted_control_view.h"
#include "platform/win32/views/spin_edit_view.h"
#include "platform/win32/views/static_views.h"
#include "platform/win32/views/track_bar_view.h"

namespace lumaro::platform::win32 {

std::unique_ptr<ControlView> createView(toolkit::Control& control, ControlView& parent,
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
  if (auto* sheet = dynamic_cast<TabSheet*>(&control)) {
    if (auto view = makeTabSheetView(*sheet, parent, app)) return view;
  }
  return makePlainView(control, parent, app);
}

}  // namespace lumaro::platform::win32
