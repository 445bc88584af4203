// The program: the real platform plugged into the logic.
#include <QApplication>
#include <iostream>
#include <optional>

#include "app/pictures/program_icon.h"
#include "app/program/command_line.h"
#include "app/program/program.h"
#include "backends/linux/desktop/application_fonts.h"
#include "backends/linux/desktop/session_end.h"
#include "backends/linux/desktop/xwayland_choice.h"
#include "backends/linux/program/desktop_services.h"
#include "backends/linux/system/runtime_directory.h"
#include "backends/linux/views/classic_look.h"
#include "backends/linux/views/drawn_popup_menu_view.h"
#include "backends/linux/views/form_view.h"

using namespace lumaro;

int main(int argc, char** argv) {
  // --help and --version answer without a display; Qt then takes its own options, and what remains is ours.
  if (auto exitCode = app::answerCommandLine({argv + 1, argv + argc}, true, std::cout, std::cerr))
    return *exitCode;
  platform::linuxos::chooseXWaylandOnWaylandSessions(argc, argv);
  // Before the toolkit looks for one: a private runtime folder instead of a warning and a shared one.
  platform::linuxos::exportRuntimeDirectory();
  QApplication qtApplication(argc, argv);
  if (auto exitCode = app::answerCommandLine({argv + 1, argv + argc}, false, std::cout, std::cerr))
    return *exitCode;
  // The program lives in the tray: hiding its last window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  platform::linuxos::installApplicationFonts();
  platform::linuxos::installClassicLook();
  platform::linuxos::setProgramIcon({app::programIcon(16), app::programIcon(32), app::programIcon(48)});

  platform::linuxos::DesktopServices desktop;
  platform::Services services = desktop.services();

  app::Program program(services);
  // Each window gets its on-screen view when it is first shown.
  program.application().setViewFactory([&program](toolkit::Form& form) {
    return std::make_shared<platform::linuxos::FormView>(form, program.application());
  });
  // Close requests are taken from the very start, also while a message box or the error pause holds
  // the thread: the box closes, the pause ends, the settings are saved.
  platform::linuxos::SessionEndBridge sessionEnd([&] {
    desktop.messageBox.dismissAll();
    program.endSession();
  });
  desktop.loop.setPauseBreaker(sessionEnd.pendingRequestFd());
  std::optional<int> exitCode = program.start();
  if (!exitCode) {
    tray::TBcBarPopupMenu& trayMenu = *program.mainWindow().popupTrayicon;
    platform::linuxos::DrawnPopupMenuView trayMenuView(trayMenu, trayMenu, desktop.text,
                                                       program.application());
    exitCode = program.run();
  }
  // The request that ended the program has been answered; the ones still coming change nothing.
  sessionEnd.ignoreLaterRequests();
  return *exitCode;
}
