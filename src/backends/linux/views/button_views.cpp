#include "backends/linux/views/button_views.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// The user's click is the model's click(): a button runs OnClick, a check box toggles, a radio button
// becomes checked. A '&' in the caption is the access key, as Qt reads it.
class ButtonView : public ControlView {
 public:
  ButtonView(toolkit::Control& model, QAbstractButton& button, toolkit::Application& app)
      : ControlView(model, button, app), model_(model), button_(button) {
    QObject::connect(&button_, &QAbstractButton::clicked, &context(),
                     [this] { userAction([this] { model_.click(); }); });
  }

 protected:
  void apply() override { button_.setText(toQString(model_.caption())); }
  QAbstractButton& button() const { return button_; }

 private:
  toolkit::Control& model_;
  QAbstractButton& button_;
};

template <class Model>
class CheckableView : public ButtonView {
 public:
  CheckableView(Model& model, QAbstractButton& button, toolkit::Application& app)
      : ButtonView(model, button, app), model_(model) {}

 protected:
  void apply() override {
    ButtonView::apply();
    button().setChecked(model_.checked());
  }

 private:
  Model& model_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Button& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<ButtonView>(model, *new QPushButton(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::CheckBox& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<CheckableView<toolkit::CheckBox>>(model, *new QCheckBox(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::RadioButton& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  auto* radio = new QRadioButton(&parent);
  // The model groups radio buttons by parent; Qt's own grouping would fight it.
  radio->setAutoExclusive(false);
  return std::make_unique<CheckableView<toolkit::RadioButton>>(model, *radio, app);
}

}  // namespace lumaro::platform::linuxos
