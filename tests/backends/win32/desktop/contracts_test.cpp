// The window-system services of Windows held to the platform contracts, under Wine on a private
// display with a tray host.
#include <windows.h>

#include <cstring>
#include <optional>
#include <thread>

#include "backends/win32/desktop/clipboard.h"
#include "backends/win32/desktop/desktop.h"
#include "backends/win32/desktop/event_loop.h"
#include "backends/win32/desktop/global_hotkeys.h"
#include "backends/win32/desktop/message_notice.h"
#include "backends/win32/desktop/own_window.h"
#include "backends/win32/desktop/restore_channel.h"
#include "backends/win32/desktop/text_service.h"
#include "backends/win32/desktop/tray.h"
#include "backends/win32/system/unicode.h"
#include "platform/contract/desktop_contract.h"
#include "platform/contract/instance_contract.h"
#include "platform/contract/plain_subjects.h"

namespace lumaro::platform::win32 {
namespace {

using namespace contract;

LUMARO_CONTRACT(EventLoopContract, Win32, fresh<EventLoopOf<Win32EventLoop>>);

struct RestoreWindowSubject : RestoreChannelSubject {
  // The running copy has its main window by the time it listens.
  RestoreChannel& listener() override {
    if (!mainWindow)
      mainWindow.emplace(OwnWindow::Shape{.className = kClass, .parent = nullptr, .style = WS_POPUP},
                         [](UINT, WPARAM, LPARAM) { return std::nullopt; });
    return listening;
  }
  RestoreChannel& sender() override { return sending; }
  std::string freeName() override { return "LUMARO2CONTRACT"; }
  bool runLoopUntil(const std::function<bool()>& done) override {
    const ULONGLONG end = GetTickCount64() + 3000;
    while (!done()) {
      if (GetTickCount64() > end) return false;
      MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, 0);
      loop.processPending();
    }
    return true;
  }
  static constexpr const wchar_t* kClass = L"LumaroContractMain";
  Win32EventLoop loop;
  std::optional<OwnWindow> mainWindow;
  WindowRestoreChannel listening{kClass};
  WindowRestoreChannel sending{kClass};
};
LUMARO_CONTRACT(RestoreChannelContract, Win32, fresh<RestoreWindowSubject>);

LUMARO_CONTRACT(TextServiceContract, Win32, fresh<TextServiceOf<GdiTextService>>);

struct DesktopOnWindows : DesktopSubject {
  Desktop& desktop() override { return real; }
  Win32Desktop real;
};
LUMARO_CONTRACT(DesktopContract, Win32, fresh<DesktopOnWindows>);

struct MessageBoxSubject : MessageNoticeSubject {
  ~MessageBoxSubject() override {
    if (user.joinable()) user.join();
  }
  MessageNotice& notice() override { return real; }
  // Another thread plays the user: it reads the box once it shows and presses OK.
  void dismissNext() override {
    user = std::thread([this] {
      for (int tries = 0; tries < 500; ++tries) {
        const HWND box = FindWindowW(L"#32770", nullptr);
        if (box != nullptr && IsWindowVisible(box)) {
          wchar_t caption[256] = {};
          wchar_t text[1024] = {};
          GetWindowTextW(box, caption, 256);
          // The text of a message box is its static control 0xFFFF.
          GetDlgItemTextW(box, 0xFFFF, text, 1024);
          std::wstring shown;
          for (const wchar_t* c = text; *c != 0; ++c) {
            if (*c != L'\r') shown += *c;
          }
          seenCaption = caption;
          seenText = shown;
          PostMessageW(box, WM_COMMAND, IDOK, 0);
          return;
        }
        Sleep(10);
      }
    });
  }
  bool sawNotice(const std::string& caption, const std::string& text) override {
    if (user.joinable()) user.join();
    std::wstring expected;
    for (wchar_t c : boxText(text)) {
      if (c != L'\r') expected += c;
    }
    return seenCaption == boxText(caption) && seenText == expected;
  }
  Win32MessageNotice real;
  std::thread user;
  std::wstring seenCaption;
  std::wstring seenText;
};
LUMARO_CONTRACT(MessageNoticeContract, Win32, fresh<MessageBoxSubject>);

// Under Wine a combination fires only while one of its windows has the X focus: presses cannot be
// made here.
LUMARO_CONTRACT(GlobalHotkeysContract, Win32, fresh<UnpressedHotkeysOf<Win32GlobalHotkeys>>);

struct Win32ClipboardSubject : ClipboardSubject {
  Clipboard& clipboard() override { return real; }
  void put(const std::string& text) override {
    const std::wstring wide = widen(text);
    if (!::OpenClipboard(nullptr)) return;
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
  }
  std::string text() override {
    if (!::OpenClipboard(nullptr)) return "(clipboard unavailable)";
    std::string text;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
      text = narrow(static_cast<const wchar_t*>(::GlobalLock(data)));
      ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
  }
  Win32Clipboard real;
};
LUMARO_CONTRACT(ClipboardContract, Win32, fresh<Win32ClipboardSubject>);

// The tests run beside trayer (see on_wine_desktop.sh), which takes Wine's icons.
LUMARO_CONTRACT(TrayContract, Win32, fresh<HostedTrayOf<ShellTray>>);

}  // namespace
}  // namespace lumaro::platform::win32
