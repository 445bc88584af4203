#pragma once
#include <QObject>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "backends/linux/views/accessible_control.h"
#include "toolkit/core/application.h"
#include "toolkit/core/control.h"

class QEvent;
class QPoint;
class QWidget;

namespace lumaro::platform::linuxos {

// Mirrors one model control into one widget. The model is the truth: every change from code is read
// back into the widget without echoing as a user action, and every user action goes to the model
// inside the application's guard, after which the widget shows whatever the model decided.
// A view must be destroyed before its control; it unhooks itself from the control on destruction.
class ControlView {
 public:
  ControlView(toolkit::Control& control, QWidget& widget, toolkit::Application& app);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  QWidget& widget() const { return widget_; }
  toolkit::Control& control() const { return control_; }

  // Re-reads every property of the model into the widget, with the widget's signals blocked.
  void refresh();

 protected:
  // The properties particular to the kind of control.
  virtual void apply() {}
  // Enabled, geometry and visibility.
  virtual void applyPlacement();
  // The tooltip text for a point of the widget; the control's hint unless the kind says otherwise.
  virtual std::string hintAt(const QPoint& at) const;

  // Runs a user's action on the model inside the guard, then shows the model's state.
  void userAction(const std::function<void()>& action);
  // For widgets without clicks of their own: presses become mouseDown, left clicks click().
  void forwardMouse();
  // The context of the view's connections and filters: they end with the view.
  QObject& context() { return context_; }

 private:
  // What every kind of widget takes from the model besides its own properties.
  struct Look {
    std::string name;
    std::string hint;
    toolkit::Font font;
    toolkit::Cursor cursor;
    toolkit::Color color;
    bool operator==(const Look&) const = default;
  };

  QRect placedRect() const;
  // Gives the widget the model's look when it differs from the one last given: a meter's position or a
  // label's text changes hundreds of times a second during a run, and rebuilding a font, a palette and
  // a tooltip at each change costs more than the change itself.
  void applyLook();
  void applyColors();
  bool mouseEvent(QEvent& event);
  // Shows the tooltip for a point of the widget as the application's show-hint handler has it, and
  // asks again after the handler's re-show timeout while the mouse stays.
  void showHint(const QPoint& at);

  toolkit::Control& control_;
  QWidget& widget_;
  toolkit::Application& app_;
  QObject context_;
  std::optional<Look> shownLook_;
  AccessibleLink accessible_;
};

// The tag through which the shared view creator finds this backend's makeView overloads
// (backends/shared/view_creator.h): a view is made with the widget of its control's parent.
struct ViewKit {
  using View = std::unique_ptr<ControlView>;
  using Parent = QWidget;
};

}  // namespace lumaro::platform::linuxos
