// The Windows views held to the views contract: native windows under Wine, played with the messages
// the system sends for the user's mouse and keys.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_text_service.h"
#include "backends/shared/views_contract.h"
#include "backends/win32/system/unicode.h"
#include "backends/win32/views/form_view.h"
#include "backends/win32/views/view_fixture.h"

namespace lumaro::platform::win32 {
namespace {

using contract::Key;
using contract::ShownControl;
using contract::ShownWindow;
using contract::ViewsContract;
using test::hasStyle;
using test::pumpUntil;

std::string textOf(HWND window) {
  return narrow(test::shownText(window));
}

bool isClass(HWND window, const wchar_t* name) {
  wchar_t found[64] = {};
  GetClassNameW(window, found, 64);
  return lstrcmpiW(found, name) == 0;
}

toolkit::Bounds boundsOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The window's place in its parent's inside.
toolkit::Bounds placeOf(HWND window) {
  RECT placed{};
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&placed), 2);
  return boundsOf(placed);
}

// What the form's tooltip would show for the control's window now.
std::string tooltipOf(HWND control) {
  NMTTDISPINFOW request{};
  request.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
  request.hdr.code = TTN_GETDISPINFOW;
  SendMessageW(GetParent(control), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
  return request.lpszText != nullptr ? narrow(request.lpszText) : "";
}

bool handCursorOver(HWND control) {
  SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor() == LoadCursorW(nullptr, IDC_HAND);
}

void readFont(HWND control, ShownControl& shown) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (handle == nullptr || GetObjectW(handle, sizeof font, &font) == 0) return;
  shown.fontName = narrow(font.lfFaceName);
  shown.fontHeight = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  shown.bold = font.lfWeight >= FW_BOLD;
}

std::string tabText(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return narrow(text);
}

std::string listItem(HWND combo, int index) {
  std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)), L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return narrow(text);
}

// A spin edit's editor, a combo box's editor (none for a drop-down list); null for other controls.
HWND editorOf(HWND control) {
  if (isClass(control, L"ComboBox")) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(control, &info);
    return info.hwndItem != control ? info.hwndItem : nullptr;
  }
  return FindWindowExW(control, nullptr, L"Edit", nullptr);
}

// What a window of each kind shows beyond what every window does.
void readKind(HWND window, ShownControl& shown) {
  if (isClass(window, L"Button")) {
    shown.text = textOf(window);
    shown.checked = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  } else if (isClass(window, L"Static")) {
    shown.text = textOf(window);
  } else if (isClass(window, L"ComboBox")) {
    shown.text = textOf(window);
    shown.editable = (GetWindowLongPtrW(window, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
    shown.index = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) shown.items.push_back(listItem(window, i));
  } else if (isClass(window, TRACKBAR_CLASSW)) {
    shown.position = static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
    shown.maximum = static_cast<int>(SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
    shown.vertical = hasStyle(window, TBS_VERT);
    shown.ticks = !hasStyle(window, TBS_NOTICKS);
    shown.thumbLength = static_cast<int>(SendMessageW(window, TBM_GETTHUMBLENGTH, 0, 0));
  } else if (isClass(window, WC_TABCONTROLW)) {
    shown.index = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) shown.items.push_back(tabText(window, i));
  } else if (HWND editor = editorOf(window)) {
    shown.text = textOf(editor);
    shown.editable = !hasStyle(editor, ES_READONLY);
    shown.maxLength = static_cast<int>(SendMessageW(editor, EM_GETLIMITTEXT, 0, 0));
  }
}

void sendClick(HWND window, toolkit::MouseButton button, toolkit::Point at) {
  const LPARAM point = MAKELPARAM(at.x, at.y);
  if (button == toolkit::MouseButton::Right) {
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, point);
    SendMessageW(window, WM_RBUTTONUP, 0, point);
  } else {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
  }
}

COLORREF pixelOf(HWND window, toolkit::Point at) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, at.x, at.y);
  ReleaseDC(window, dc);
  return colour;
}

HWND openMenu() {
  HWND menu = FindWindowW(L"LumaroDrawnMenu", nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

class Win32ViewsSubject : public contract::ViewsSubject {
 public:
  toolkit::Application& application() override { return app_; }
  platform::TextService& text() override { return text_; }

  void makeView(toolkit::Form& form) override {
    view_ = std::make_unique<FormView>(form, app_);
    formWindow_ = view_->window();
  }
  void waitUntilShown() override {
    pumpUntil([this] { return IsWindowVisible(view_->window()) != FALSE; });
  }
  bool waitUntilActive() override {
    return pumpUntil([this] { return GetActiveWindow() == view_->window(); });
  }
  void dropView() override { view_.reset(); }
  bool windowGone() override { return IsWindow(formWindow_) == FALSE; }

  ShownWindow window() override {
    HWND window = view_->window();
    RECT inside{};
    GetClientRect(window, &inside);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    RECT outside{};
    GetWindowRect(window, &outside);
    return {.title = textOf(window),
            .visible = IsWindowVisible(window) != FALSE,
            .minimized = IsIconic(window) != FALSE,
            .inside = boundsOf(inside),
            .outside = boundsOf(outside),
            .framed = hasStyle(window, WS_CAPTION),
            .resizable = hasStyle(window, WS_THICKFRAME),
            .onTop = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0};
  }

  ShownControl control(const std::string& name) override {
    HWND window = this->window(name);
    ShownControl shown;
    shown.visible = IsWindowVisible(window) != FALSE;
    shown.enabled = IsWindowEnabled(window) != FALSE;
    shown.bounds = placeOf(window);
    shown.hint = tooltipOf(window);
    shown.handCursor = handCursorOver(window);
    readFont(window, shown);
    readKind(window, shown);
    return shown;
  }

  bool inside(const std::string& inner, const std::string& outer) override {
    return IsChild(window(outer), window(inner)) != FALSE;
  }
  bool hasFocus(const std::string& name) override { return GetFocus() == window(name); }

  bool keeps(toolkit::Point at) override {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool kept = GetWindowRgn(view_->window(), shape) != ERROR && PtInRegion(shape, at.x, at.y) != FALSE;
    DeleteObject(shape);
    return kept;
  }

  bool showsColour(const std::string& name, toolkit::Point at, toolkit::Color colour) override {
    HWND shown = window(name);
    // A colour is 0x00BBGGRR, as a COLORREF.
    return pumpUntil([&] { return pixelOf(shown, at) == static_cast<COLORREF>(colour); });
  }

  toolkit::Point onScreen(const std::string& name, toolkit::Point at) override {
    POINT point{at.x, at.y};
    ClientToScreen(window(name), &point);
    return {point.x, point.y};
  }

  std::optional<toolkit::Bounds> menu() override {
    HWND menu = openMenu();
    if (menu == nullptr) return std::nullopt;
    RECT frame{};
    GetWindowRect(menu, &frame);
    return boundsOf(frame);
  }

  void click(const std::string& name) override {
    RECT inside{};
    GetClientRect(window(name), &inside);
    sendClick(window(name), toolkit::MouseButton::Left, {inside.right / 2, inside.bottom / 2});
  }
  void mouseClick(const std::string& name, toolkit::MouseButton button, toolkit::Point at) override {
    sendClick(window(name), button, at);
  }
  void moveMouse(const std::string& name, toolkit::Point at) override {
    SendMessageW(window(name), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  }
  void press(const std::string& name, Key key) override {
    const WPARAM pressed = key == Key::Up ? VK_UP : key == Key::Down ? VK_DOWN : VK_RIGHT;
    HWND editor = editorOf(window(name));
    SendMessageW(editor != nullptr ? editor : window(name), WM_KEYDOWN, pressed, 0);
  }
  void type(const std::string& name, const std::string& keys) override {
    HWND editor = editorOf(window(name));
    for (const char key : keys) {
      SendMessageW(editor != nullptr ? editor : window(name), WM_CHAR, static_cast<WPARAM>(key), 1);
    }
  }
  void replaceText(const std::string& name, const std::string& text) override {
    SetWindowTextW(editorOf(window(name)), widen(text).c_str());
  }
  void chooseTab(const std::string& name, int index) override {
    RECT tab{};
    SendMessageW(window(name), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
    sendClick(window(name), toolkit::MouseButton::Left,
              {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
  }
  void focus(const std::string& name) override {
    HWND editor = editorOf(window(name));
    SetFocus(editor != nullptr ? editor : window(name));
  }
  void chooseInMenu(toolkit::Point at) override {
    if (HWND menu = openMenu()) SendMessageW(menu, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  void minimize() override { ShowWindow(view_->window(), SW_MINIMIZE); }
  void close() override { SendMessageW(view_->window(), WM_CLOSE, 0, 0); }

 private:
  HWND window(const std::string& name) const { return test::windowNamed(*view_, name); }

  fake::FakeEventLoop loop_;
  fake::FakeMessageBox messageBox_;
  toolkit::Application app_{loop_, messageBox_};
  fake::FakeTextService text_;
  std::unique_ptr<FormView> view_;
  HWND formWindow_ = nullptr;
};

LUMARO_CONTRACT(ViewsContract, Win32, [] { return std::make_unique<Win32ViewsSubject>(); });

}  // namespace
}  // namespace lumaro::platform::win32
