#pragma once
#include <windows.h>

#include <string>

#include "platform/instance_guard.h"

namespace lumaro::platform::win32 {

// The requests as other programs have always sent them: they find the main window by its class
// ("TfrmPrincipal") and post it 0x0400 (WM_USER) to show it. An optimization is the registered message
// "Lumaro.Optimize" to the same window. The channel answers on this thread's window of that class, which
// must exist when it listens; the instance name plays no part here.
class WindowRestoreChannel : public RestoreChannel {
 public:
  static constexpr UINT kRestoreMessage = WM_USER;
  static constexpr const wchar_t* kMainWindowClass = L"TfrmPrincipal";

  explicit WindowRestoreChannel(std::wstring windowClass = kMainWindowClass);
  ~WindowRestoreChannel() override;
  WindowRestoreChannel(const WindowRestoreChannel&) = delete;
  WindowRestoreChannel& operator=(const WindowRestoreChannel&) = delete;

  // False when this thread has no window of the class yet.
  bool listen(const std::string& name, std::function<void(Request)> onRequest) override;
  // Posts rather than sends, so that a hung listener cannot hang the caller.
  bool send(const std::string& name, Request request) override;
  bool answersOnMainWindow() const override { return true; }

 private:
  static LRESULT CALLBACK answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);

  std::wstring windowClass_;
  UINT optimizeMessage_;
  HWND window_ = nullptr;
  std::function<void(Request)> onRequest_;
};

}  // namespace lumaro::platform::win32
