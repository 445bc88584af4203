#include "backends/win32/views/button_views.h"

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// The user's click is the model's click(): a button runs OnClick, a check box toggles, a radio button
// becomes checked. A '&' in the caption is the access key, as the system reads it.
class ButtonView : public ControlView {
 public:
  ButtonView(toolkit::Control& model, DWORD style, ControlView& parent, toolkit::Application& app)
      : ControlView(model, createSystemWindow(L"BUTTON", parent.window(), WS_TABSTOP | style), &parent, app),
        model_(model) {}

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      if (!refreshing()) userAction([this] { model_.click(); });
      return 0;
    }
    return ControlView::notification(message, wParam, lParam);
  }

 protected:
  void apply() override { SetWindowTextW(window(), widen(model_.caption()).c_str()); }

 private:
  toolkit::Control& model_;
};

template <class Model>
class CheckableView : public ButtonView {
 public:
  CheckableView(Model& model, DWORD style, ControlView& parent, toolkit::Application& app)
      : ButtonView(model, style, parent, app), model_(model) {}

 protected:
  void apply() override {
    ButtonView::apply();
    SendMessageW(window(), BM_SETCHECK, model_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  Model& model_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Button& model, ControlView& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<ButtonView>(model, BS_PUSHBUTTON, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::CheckBox& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<CheckableView<toolkit::CheckBox>>(model, BS_CHECKBOX, parent, app);
}

std::unique_ptr<ControlView> makeView(toolkit::RadioButton& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  // Not the automatic kind: the model groups radio buttons by parent, and the system's grouping would
  // fight it.
  return std::make_unique<CheckableView<toolkit::RadioButton>>(model, BS_RADIOBUTTON, parent, app);
}

}  // namespace lumaro::platform::win32
