#include "backends/win32/views/view_window.h"

#include <commctrl.h>

#include <optional>
#include <set>

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/control_view.h"
#include "backends/win32/views/form_window_view.h"

namespace lumaro::platform::win32 {

namespace {

constexpr wchar_t kViewProperty[] = L"lumaro.view";
constexpr wchar_t kOwnClass[] = L"LumaroView";
constexpr UINT_PTR kSubclassId = 0x4C55;

HINSTANCE instance() {
  return GetModuleHandleW(nullptr);
}

// The window a notification to a parent comes from.
HWND sender(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      // A tooltip asks on behalf of the control it describes.
      if (header.code == TTN_GETDISPINFOW) return reinterpret_cast<HWND>(header.idFrom);
      return header.hwndFrom;
    }
    case WM_DRAWITEM:
      return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    default:
      return nullptr;
  }
}

LRESULT CALLBACK ownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (HWND from = sender(message, lParam); from != nullptr) {
    if (ControlView* view = viewOf(from)) {
      if (auto result = view->notification(message, wParam, lParam)) return *result;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
  if (auto result = reinterpret_cast<ControlView*>(data)->message(window, message, wParam, lParam))
    return *result;
  return DefSubclassProc(window, message, wParam, lParam);
}

ATOM registerClass(const std::wstring& name) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ownWindowProc;
  windowClass.hInstance = instance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name.c_str();
  return RegisterClassExW(&windowClass);
}

void ensureClass(const std::wstring& name) {
  static std::set<std::wstring> registered;
  if (registered.insert(name).second) registerClass(name);
}

void registerCommonControls() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                                    ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
}

UINT_PTR nextChildId() {
  static UINT_PTR id = 1000;
  return ++id;
}

HHOOK keyHook = nullptr;
int keyHookUsers = 0;

LRESULT CALLBACK dialogKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  auto& message = *reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message.message >= WM_KEYFIRST &&
      message.message <= WM_KEYLAST) {
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top != nullptr && dynamic_cast<FormWindowView*>(viewOf(top)) != nullptr &&
        IsDialogMessageW(top, &message)) {
      // Handled: the loop that fetched it dispatches nothing.
      message.message = WM_NULL;
    }
  }
  return CallNextHookEx(keyHook, code, wParam, lParam);
}

}  // namespace

ControlView* viewOf(HWND window) {
  return static_cast<ControlView*>(GetPropW(window, kViewProperty));
}

void tie(HWND window, ControlView& view) {
  SetPropW(window, kViewProperty, &view);
  SetWindowSubclass(window, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&view));
}

void untie(HWND window) {
  RemoveWindowSubclass(window, subclassProc, kSubclassId);
  RemovePropW(window, kViewProperty);
}

HWND createOwnWindow(HWND parent, DWORD style) {
  ensureClass(kOwnClass);
  return CreateWindowExW(WS_EX_CONTROLPARENT, kOwnClass, L"",
                         WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(nextChildId()), instance(), nullptr);
}

HWND createTopLevelWindow(const std::string& className, DWORD style, DWORD exStyle) {
  const std::wstring name = widen(className);
  ensureClass(name);
  return CreateWindowExW(exStyle | WS_EX_CONTROLPARENT, name.c_str(), L"", style | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance(), nullptr);
}

HWND createSystemWindow(const wchar_t* className, HWND parent, DWORD style, DWORD exStyle) {
  registerCommonControls();
  return CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(nextChildId()), instance(), nullptr);
}

std::string textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return narrow(text);
}

HWND createTooltip(HWND owner) {
  registerCommonControls();
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         instance(), nullptr);
}

DialogKeys::DialogKeys() {
  if (keyHookUsers++ == 0)
    keyHook = SetWindowsHookExW(WH_GETMESSAGE, dialogKeyHook, nullptr, GetCurrentThreadId());
}

DialogKeys::~DialogKeys() {
  if (--keyHookUsers == 0 && keyHook != nullptr) {
    UnhookWindowsHookEx(keyHook);
    keyHook = nullptr;
  }
}

}  // namespace lumaro::platform::win32
