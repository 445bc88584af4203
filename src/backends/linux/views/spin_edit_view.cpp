#include "backends/linux/views/spin_edit_view.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "backends/shared/spin_edit_decimals.h"

namespace lumaro::platform::linuxos {

namespace {

// Both kinds of box hold any int; a spin edit without limits gets exactly that range.
constexpr double kLowest = std::numeric_limits<int>::min();
constexpr double kHighest = std::numeric_limits<int>::max();

template <class Box>
class SpinEditView : public ControlView {
 public:
  using Value = decltype(std::declval<Box>().value());

  SpinEditView(toolkit::SpinEdit& model, Box& box, toolkit::Application& app)
      : ControlView(model, box, app), model_(model), box_(box) {
    QObject::connect(&box_, &Box::valueChanged, &context(),
                     [this](Value value) { userAction([&] { model_.setValue(value); }); });
  }

 protected:
  // Only what differs is given to the box: setting its range stops an arrow held down from repeating,
  // and setting its value rewrites the text being typed ("2." would become "2.0").
  void apply() override {
    if constexpr (std::is_same_v<Box, QDoubleSpinBox>) {
      const int decimals = decimalsOf(model_.increment());
      if (box_.decimals() != decimals) box_.setDecimals(decimals);
    }
    const bool limited = model_.minValue() != model_.maxValue();
    const Value lowest = toBox(limited ? model_.minValue() : kLowest);
    const Value highest = toBox(limited ? model_.maxValue() : kHighest);
    if (box_.minimum() != lowest || box_.maximum() != highest) box_.setRange(lowest, highest);
    if (box_.singleStep() != toBox(model_.increment())) box_.setSingleStep(toBox(model_.increment()));
    if (box_.value() != toBox(model_.value())) box_.setValue(toBox(model_.value()));
    // The arrows keep working when the editor is off, as in a spin edit.
    if (auto* editor = box_.template findChild<QLineEdit*>()) {
      editor->setReadOnly(!model_.editorEnabled());
      editor->setMaxLength(model_.maxLength() > 0 ? model_.maxLength() : 32767);
    }
  }

 private:
  static Value toBox(double value) {
    value = std::clamp(value, kLowest, kHighest);
    if constexpr (std::is_integral_v<Value>) return static_cast<Value>(std::lround(value));
    return value;
  }

  toolkit::SpinEdit& model_;
  Box& box_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::SpinEdit& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  if (model.increment() == std::round(model.increment())) {
    return std::make_unique<SpinEditView<QSpinBox>>(model, *new QSpinBox(&parent), app);
  }
  return std::make_unique<SpinEditView<QDoubleSpinBox>>(model, *new QDoubleSpinBox(&parent), app);
}

}  // namespace lumaro::platform::linuxos
