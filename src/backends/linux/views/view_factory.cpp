#include "backends/linux/views/view_factory.h"

#include <QTabWidget>

#include "backends/linux/views/button_views.h"
#include "backends/linux/views/combo_box_view.h"
#include "backends/linux/views/container_views.h"
#include "backends/linux/views/painted_control_view.h"
#include "backends/linux/views/spin_edit_view.h"
#include "backends/linux/views/static_views.h"
#include "backends/linux/views/track_bar_view.h"
#include "toolkit/core/control_visitor.h"

namespace lumaro::platform::linuxos {

namespace {

using namespace toolkit;
using View = std::unique_ptr<ControlView>;

// The view of each kind of control, its widget a child of `parent`.
class ViewCreator final : public ControlVisitor<View> {
 public:
  ViewCreator(QWidget& parent, Application& app) : parent_(parent), app_(app) {}

  View visit(CheckBox& model) override { return makeCheckBoxView(model, parent_, app_); }
  View visit(RadioButton& model) override { return makeRadioButtonView(model, parent_, app_); }
  View visit(Button& model) override { return makeButtonView(model, parent_, app_); }
  View visit(TrackBar& model) override { return makeTrackBarView(model, parent_, app_); }
  View visit(SpinEdit& model) override { return makeSpinEditView(model, parent_, app_); }
  View visit(ComboBox& model) override { return makeComboBoxView(model, parent_, app_); }
  View visit(Label& model) override { return makeLabelView(model, parent_, app_); }
  View visit(Image& model) override { return makeImageView(model, parent_, app_); }
  View visit(Panel& model) override { return makePanelView(model, parent_, app_); }
  View visit(PaintedControl& model) override { return makePaintedControlView(model, parent_, app_); }
  View visit(PageControl& model) override { return makePageControlView(model, parent_, app_); }
  // A page is a tab of its page control's tab widget; a sheet anywhere else is a plain container.
  View visit(TabSheet& model) override {
    if (auto* tabs = qobject_cast<QTabWidget*>(&parent_)) return makeTabSheetView(model, *tabs, app_);
    return other(model);
  }
  View other(Control& model) override { return makePlainView(model, parent_, app_); }

 private:
  QWidget& parent_;
  Application& app_;
};

}  // namespace

std::unique_ptr<ControlView> createView(toolkit::Control& control, QWidget& parent,
                                        toolkit::Application& app) {
  ViewCreator creator(parent, app);
  return visitControl(control, creator);
}

}  // namespace lumaro::platform::linuxos
