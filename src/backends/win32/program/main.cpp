// The program on Windows: the real platform plugged into the logic.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <cstdio>
#include <iostream>

#include "app/program/command_line.h"
#include "app/program/program.h"
#include "backends/win32/desktop/session_end.h"
#include "backends/win32/program/desktop_services.h"
#include "backends/win32/views/drawn_popup_menu_view.h"
#include "backends/win32/views/form_view.h"

using namespace lumaro;

namespace {

// A program without a console of its own answers --help and --version on the console of whoever
// started it, if there is one; standard handles it was given (a pipe, Wine's terminal) stay as they are.
void answerOnParentConsole() {
  if (GetStdHandle(STD_OUTPUT_HANDLE) != nullptr || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int main(int argc, char** argv) {
  answerOnParentConsole();
  if (auto exitCode = app::answerCommandLine({argv + 1, argv + argc}, false, std::cout, std::cerr))
    return *exitCode;
  // The views are the common controls of version 6 that the executable's manifest asks for.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  platform::win32::DesktopServices desktop;
  platform::Services services = desktop.services();

  app::Program program(services);
  // Each window gets its on-screen view when it is first shown.
  program.application().setViewFactory([&program](toolkit::Form& form) {
    return std::make_shared<platform::win32::FormView>(form, program.application());
  });
  // The end of the session is taken from the very start, also while a message box or the error pause
  // holds the thread: the box closes, the pause ends, the settings are saved before Windows goes on.
  platform::win32::SessionEndWindow sessionEnd([&] {
    desktop.messageBox.dismissAll();
    program.endSession();
  });
  desktop.loop.setPauseBreaker([&sessionEnd] { return sessionEnd.requested(); });
  if (auto exitCode = program.start()) return *exitCode;
  tray::TBcBarPopupMenu& trayMenu = *program.mainWindow().popupTrayicon;
  platform::win32::DrawnPopupMenuView trayMenuView(trayMenu, trayMenu, desktop.text, program.application());
  return program.run();
}
