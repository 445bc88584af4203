// The program on Windows: the real platform plugged into the logic.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <cstdio>
#include <iostream>

#include "app/program/command_line.h"
#include "app/program/program.h"
#include "app/program/run_program.h"
#include "backends/shared/desktop_backend.h"
#include "backends/win32/desktop/restore_channel.h"
#include "backends/win32/desktop/session_end.h"
#include "backends/win32/desktop/user_colors.h"
#include "backends/win32/program/desktop_services.h"
#include "backends/win32/views/drawn_popup_menu_view.h"
#include "backends/win32/views/form_view.h"

using namespace lumaro;
using namespace lumaro::platform::win32;

namespace {

// A program without a console of its own answers on the console of whoever started it, if there is
// one; standard handles it was given (a pipe, Wine's terminal) stay as they are.
void answerOnParentConsole() {
  if (GetStdHandle(STD_OUTPUT_HANDLE) != nullptr || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}

// The end of the session comes to a window of its own, which the system asks before Windows goes on;
// once it has, a pause ends.
class WindowSessionEnd final : public app::SessionEndWatch {
 public:
  WindowSessionEnd(std::function<void()> onRequest, Win32EventLoop& loop) : window_(std::move(onRequest)) {
    loop.setPauseBreaker([this] { return window_.requested(); });
  }

 private:
  SessionEndWindow window_;
};

}  // namespace

int main(int argc, char** argv) {
  // A program of the desktop is started from shortcuts that may pass anything: every argument is
  // ignored except the requests to the running copy, which a shortcut of the user's may send.
  const app::CommandLineRequest request = app::readCommandLine({argv + 1, argv + argc}, false);
  if (request == app::CommandLineRequest::Optimize || request == app::CommandLineRequest::Show) {
    answerOnParentConsole();
    const auto send = [](platform::RestoreChannel::Request kind) {
      return WindowRestoreChannel().send(app::kInstanceName, kind);
    };
    return *app::askRunningCopy(request, send, std::cerr);
  }
  // The views are the common controls of version 6 that the executable's manifest asks for.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // Every window and picture is drawn in the user's colours from the first.
  followUserColors();

  platform::DesktopBackend<DesktopServices, FormView, DrawnPopupMenuView, WindowSessionEnd> backend;
  return app::runProgram(backend);
}
