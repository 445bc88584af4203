#include "backends/win32/views/spin_edit_view.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "backends/shared/readable_text.h"
#include "backends/shared/spin_edit_decimals.h"
#include "backends/win32/system/unicode.h"
#include "backends/win32/views/own_window_view.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::win32 {

namespace {

// The number a text shows, if it is one ("," may stand for the decimal point).
std::optional<double> numberIn(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The arrows step the model by its increment; the model keeps the value in range. The arrows' own
// position never moves, so they never run out of steps.
class SpinEditView : public OwnWindowView {
 public:
  SpinEditView(toolkit::SpinEdit& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app),
        model_(model),
        editor_(createSystemWindow(L"EDIT", window(), WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                   WS_EX_CLIENTEDGE)),
        arrows_(createSystemWindow(UPDOWN_CLASSW, window(), WS_VISIBLE | UDS_ARROWKEYS)) {
    adopt(editor_);
    adopt(arrows_);
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(editor_), 0);
    SendMessageW(arrows_, UDM_SETRANGE32, 0, 100);
    SendMessageW(arrows_, UDM_SETPOS32, 0, 50);
  }

  HWND focusWindow() const override { return editor_; }

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SIZE && window == this->window()) layOut();
    return OwnWindowView::message(window, message, wParam, lParam);
  }

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == UDN_DELTAPOS) {
      const int steps = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
      userAction([&] { model_.setValue(model_.value() + steps * model_.increment()); });
      return TRUE;  // the arrows keep their position
    }
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
      if (!refreshing()) typed();
      return 0;
    }
    if (message == WM_CTLCOLORSTATIC) {
      // A read-only editor keeps the window colour (the arrows still work), and its text the control's
      // colour: the system would leave it black, unreadable on a dark scheme.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      SetTextColor(reinterpret_cast<HDC>(wParam),
                   readableText(toColorRef(model_.font().color), GetSysColor(COLOR_WINDOW),
                                toolkit::classicScheme()[COLOR_WINDOW], GetSysColor(COLOR_WINDOWTEXT)));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return OwnWindowView::notification(message, wParam, lParam);
  }

 protected:
  void apply() override {
    SendMessageW(editor_, EM_SETREADONLY, model_.editorEnabled() ? FALSE : TRUE, 0);
    SendMessageW(editor_, EM_SETLIMITTEXT,
                 static_cast<WPARAM>(model_.maxLength() > 0 ? model_.maxLength() : 32767), 0);
    // What the user typed stays as typed while it means the model's value.
    if (numberIn(textOf(editor_)) == model_.value()) return;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimalsOf(model_.increment()), model_.value());
    SetWindowTextW(editor_, widen(text).c_str());
  }

 private:
  void layOut() {
    RECT client{};
    GetClientRect(window(), &client);
    const int arrowsWidth = GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(density().dpi));
    SetWindowPos(editor_, nullptr, 0, 0, client.right - arrowsWidth, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(arrows_, nullptr, client.right - arrowsWidth, 0, arrowsWidth, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void typed() {
    const auto value = numberIn(textOf(editor_));
    const bool limited = model_.minValue() != model_.maxValue();
    // Half-typed numbers outside the range are left alone until they mean something.
    if (!value || *value == model_.value() ||
        (limited && (*value < model_.minValue() || *value > model_.maxValue()))) {
      return;
    }
    userAction([&] { model_.setValue(*value); });
  }

  toolkit::SpinEdit& model_;
  HWND editor_;
  HWND arrows_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::SpinEdit& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<SpinEditView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
