#include "backends/win32/views/combo_box_view.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// How many items the open list shows before it scrolls.
constexpr int kListedItems = 12;

// The key the model is told about: a printable ASCII character or a backspace; 0 for any other.
char typedKey(WPARAM character) {
  if (character == '\b') return '\b';
  if (character < 0x20 || character >= 0x7F) return 0;
  return static_cast<char>(character);
}

HWND createCombo(HWND parent, toolkit::ComboStyle style) {
  const DWORD kind =
      style == toolkit::ComboStyle::DropDown ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  return createSystemWindow(WC_COMBOBOXW, parent, WS_TABSTOP | WS_VSCROLL | kind);
}

// Every typed character reaches the model's OnKeyPress first. A drop-down list takes no typing at all
// (the list is chosen from with the mouse or the arrow keys); an editable box edits as any text field
// does and hands the model the resulting text. The system fixes the style when the box is made, so
// another style means another box.
class ComboBoxView : public ControlView {
 public:
  ComboBoxView(toolkit::ComboBox& model, ControlView& parent, toolkit::Application& app)
      : ControlView(model, createCombo(parent.window(), model.style()), &parent, app),
        model_(model),
        style_(model.style()) {
    adoptEditor();
  }

  HWND focusWindow() const override { return editor_ != nullptr ? editor_ : window(); }

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR && !replacing_) {
      if (const char key = typedKey(wParam); key != 0) return keyPressed(window, key, lParam);
    }
    return ControlView::message(window, message, wParam, lParam);
  }

  std::optional<LRESULT> notification(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_COMMAND) return ControlView::notification(message, wParam, lParam);
    if (refreshing()) return 0;
    switch (HIWORD(wParam)) {
      case CBN_SELCHANGE: {
        const auto index = static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
        if (index >= 0) userAction([&] { model_.userSelect(index); });
        break;
      }
      case CBN_EDITCHANGE:
        userAction([this] { model_.userEdit(textOf(window())); });
        break;
      default:
        break;
    }
    return 0;
  }

 protected:
  void apply() override {
    if (model_.style() != style_) {
      style_ = model_.style();
      replaceWindow(createCombo(GetParent(window()), style_));
      adoptEditor();
      shownItems_.clear();
      SendMessageW(window(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    }
    if (shownItems_ != model_.items() ||
        SendMessageW(window(), CB_GETCOUNT, 0, 0) != std::ssize(model_.items())) {
      SendMessageW(window(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : model_.items()) {
        SendMessageW(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
      }
      shownItems_ = model_.items();
    }
    const auto current = static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
    if (current != model_.itemIndex())
      SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(model_.itemIndex()), 0);
    // Re-showing the model's text must not move the caret or the selection of the text being edited:
    // what already agrees is left alone.
    if (style_ == toolkit::ComboStyle::DropDown && textOf(window()) != model_.text())
      SetWindowTextW(window(), widen(model_.text()).c_str());
  }

  void applyPlacement() override {
    ControlView::applyPlacement();
    // The box's window also holds its open list.
    const RECT placed = placedRect();
    const auto itemHeight = static_cast<int>(SendMessageW(window(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(window(), nullptr, 0, 0, placed.right - placed.left,
                 placed.bottom - placed.top + kListedItems * itemHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  void adoptEditor() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    editor_ = nullptr;
    if (GetComboBoxInfo(window(), &info) && info.hwndItem != nullptr && info.hwndItem != window()) {
      editor_ = info.hwndItem;
      adopt(editor_);
    }
  }

  LRESULT keyPressed(HWND window, char key, LPARAM lParam) {
    char survived = 0;
    userAction([&] { survived = model_.userKeyPress(key); });
    if (style_ == toolkit::ComboStyle::DropDownList || survived == 0) return 0;
    // The editor types what survived: the key itself, or the character the handler put in its place.
    replacing_ = true;
    SendMessageW(window, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(survived)), lParam);
    replacing_ = false;
    return 0;
  }

  toolkit::ComboBox& model_;
  toolkit::ComboStyle style_;
  HWND editor_ = nullptr;
  std::vector<std::string> shownItems_;
  bool replacing_ = false;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::ComboBox& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<ComboBoxView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
