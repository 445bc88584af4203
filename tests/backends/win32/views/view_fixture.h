#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/shared/form_controls.h"
#include "backends/win32/views/form_view.h"
#include "toolkit/core/application.h"
#include "toolkit/core/error.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::win32::test {

// A handler that fails the way the program's handlers do.
inline constexpr auto fail = [](auto&&...) { throw toolkit::Error("boom"); };

// Runs the window messages that are waiting, as the program's loop would.
inline void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Runs window messages until `done` holds (the X server answers asynchronously), for up to 5 s.
inline bool pumpUntil(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + 5000;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    pump();
  }
  return true;
}

inline std::wstring shownText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

inline bool hasStyle(HWND window, DWORD style) {
  return (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & style) == style;
}

// The window that shows the control of that name.
inline HWND windowNamed(const FormView& view, const std::string& name) {
  HWND found = view.windowOf(name);
  if (found == nullptr) throw std::logic_error("no window " + name);
  return found;
}

// A form with the controls a test adds, shown through a FormView. Errors that reach the application's
// exception handler are collected instead of being shown.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    app_.setOnException([this](const std::exception& error) { errors_.emplace_back(error.what()); });
    form_.setBounds({50, 50, 300, 200});
  }

  template <class T, class... Args>
  T& add(const std::string& name, toolkit::WinControl* parent = nullptr, Args&&... args) {
    return contract::addControl<T>(form_, name, parent, std::forward<Args>(args)...);
  }

  // Builds the view and shows the form.
  void showForm() {
    view_ = std::make_unique<FormView>(form_, app_);
    form_.show();
    pumpUntil([this] { return IsWindowVisible(view_->window()) != FALSE; });
  }

  HWND window(const std::string& name) const { return windowNamed(*view_, name); }

  fake::FakeEventLoop loop_;
  fake::FakeMessageBox messageBox_;
  toolkit::Application app_{loop_, messageBox_};
  toolkit::Form form_{nullptr, app_};
  std::unique_ptr<FormView> view_;
  std::vector<std::string> errors_;
};

}  // namespace lumaro::platform::win32::test
