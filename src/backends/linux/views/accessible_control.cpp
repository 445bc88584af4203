#include "backends/linux/views/accessible_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QWidget>

#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// The controls described from the model, by the widget that shows them.
QHash<const QObject*, const toolkit::Control*>& linked() {
  static QHash<const QObject*, const toolkit::Control*> controls;
  return controls;
}

QAccessible::Role qtRole(toolkit::AccessibleRole role) {
  switch (role) {
    case toolkit::AccessibleRole::ReadOut:
      return QAccessible::StaticText;
    case toolkit::AccessibleRole::Meter:
      return QAccessible::ProgressBar;
    case toolkit::AccessibleRole::Chart:
      return QAccessible::Chart;
    case toolkit::AccessibleRole::Slider:
      return QAccessible::Slider;
    case toolkit::AccessibleRole::Panel:
    case toolkit::AccessibleRole::Standard:
      break;
  }
  return QAccessible::Pane;
}

// Reads the model at every question, so that it never tells a stale value; a widget that outlives its
// link says only what Qt knows of any widget.
class AccessibleControl : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleControl(QWidget* widget) : QAccessibleWidget(widget) {}

  QAccessible::Role role() const override {
    const auto description = describe();
    return description ? qtRole(description->role) : QAccessibleWidget::role();
  }

  QString text(QAccessible::Text kind) const override {
    const auto description = describe();
    if (!description) return QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name) return toQString(description->name);
    if (kind == QAccessible::Value) return toQString(description->value);
    // The value said after the name, where the reader has no number to read.
    if (kind == QAccessible::Description && !description->range && !description->value.empty())
      return toQString(description->value);
    return QAccessibleWidget::text(kind);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface && range()) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return range().value_or(toolkit::AccessibleRange{}).current; }
  QVariant minimumValue() const override { return range().value_or(toolkit::AccessibleRange{}).minimum; }
  QVariant maximumValue() const override { return range().value_or(toolkit::AccessibleRange{}).maximum; }
  QVariant minimumStepSize() const override { return 1.0; }
  // The value is read-only here: the widget's own keys change what can be changed.
  void setCurrentValue(const QVariant&) override {}

 private:
  std::optional<toolkit::AccessibleDescription> describe() const {
    const toolkit::Control* control = linked().value(object(), nullptr);
    if (control == nullptr) return std::nullopt;
    return control->describe();
  }

  std::optional<toolkit::AccessibleRange> range() const {
    const auto description = describe();
    return description ? description->range : std::nullopt;
  }
};

QAccessibleInterface* describedFromTheModel(const QString&, QObject* object) {
  if (!linked().contains(object)) return nullptr;
  return new AccessibleControl(static_cast<QWidget*>(object));
}

}  // namespace

AccessibleLink::AccessibleLink(QWidget& widget, const toolkit::Control& control)
    : widget_(widget),
      control_(control),
      described_(control.describe().role != toolkit::AccessibleRole::Standard) {
  if (!described_) return;
  static const bool installed = [] {
    QAccessible::installFactory(describedFromTheModel);
    return true;
  }();
  (void)installed;
  linked().insert(&widget_, &control_);
  // A widget its parent deletes first must not lend its address to another one's description.
  QObject::connect(&widget_, &QObject::destroyed, [](QObject* gone) { linked().remove(gone); });
}

AccessibleLink::~AccessibleLink() {
  linked().remove(&widget_);
}

void AccessibleLink::announce() {
  if (!described_) {
    const QString name = toQString(control_.accessibleName());
    if (widget_.accessibleName() != name) widget_.setAccessibleName(name);
    // Qt on Linux names a combo box by its current text and looks for its purpose in a label beside
    // it; the description carries the purpose instead.
    if (qobject_cast<QComboBox*>(&widget_) != nullptr && widget_.accessibleDescription() != name)
      widget_.setAccessibleDescription(name);
    return;
  }
  // Describing costs a little at every tick: a hidden window (the main window lives in the tray most
  // of the time) tells nobody.
  if (!widget_.isVisible()) {
    told_.reset();
    return;
  }
  const toolkit::AccessibleDescription now = control_.describe();
  if (told_ && now.name != told_->name) {
    QAccessibleEvent event(&widget_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (told_ && now.range && now.range != told_->range) {
    QAccessibleValueChangeEvent event(&widget_, now.range->current);
    QAccessible::updateAccessibility(&event);
  } else if (told_ && now.value != told_->value) {
    QAccessibleEvent event(&widget_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  told_ = now;
}

}  // namespace lumaro::platform::linuxos
