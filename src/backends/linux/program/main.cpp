// The program: the real platform plugged into the logic.
#include <QApplication>
#include <iostream>
#include <optional>

#include "app/command_line.h"
#include "app/program.h"
#include "app/program_icon.h"
#include "platform/linux/desktop_services.h"
#include "platform/linux/qt/application_fonts.h"
#include "platform/linux/qt/session_end_bridge.h"
#include "platform/linux/qt/xwayland_choice.h"
#include "platform/linux/runtime_directory.h"
#include "platform/linux/views/classic_look.h"
#include "platform/linux/views/drawn_popup_menu_view.h"
#include "platform/linux/views/form_view.h"

using namespace lumaro;

int main(int argc, char** argv) {
  // --help and --version answer without a display; Qt then takes its own options, and what remains is ours.
  if (auto exitCode = app::answerCommandLine({argv + 1, argv + argc}, true, std::cout, std::cerr))
    return *exitCode;
  platform::qt::chooseXWaylandOnWaylandSessions(argc, argv);
  // Before the toolkit looks for one: a private runtime folder instead of a warning and a shared one.
  platform::linuxos::exportRuntimeDirectory();
  QApplication qtApplication(argc, argv);
  if (auto exitCode = app::answerCommandLine({argv + 1, argv + argc}, false, std::cout, std::cerr))
    return *exitCode;
  // The program lives in the tray: hiding its last window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  platform::qt::installApplicationFonts();
  platform::qt::installClassicLook();
  platform::qt::setProgramIcon({app::programIcon(16), app::programIcon(32), app::programIcon(48)});

  platform::qt::DesktopServices desktop;
  platform::Services services = desktop.services();

  app::Program program(services);
  // Each window gets its on-screen view when it is first shown.
  program.application().setViewFactory([&program](toolkit::Form& form) {
    return std::make_shared<platform::qt::FormView>(form, program.application());
  });
  // Close requests are taken from the very start, also while a message box or the error pause holds
  // the thread: the box closes, the pause ends, the settings are saved.
  platform::qt::SessionEndBridge sessionEnd([&] {
    desktop.messageBox.dismissAll();
    program.endSession();
  });
  desktop.loop.setPauseBreaker(sessionEnd.pendingRequestFd());
  std::optional<int> exitCode = program.start();
  if (!exitCode) {
    tray::TBcBarPopupMenu& trayMenu = *program.mainWindow().popupTrayicon;
    platform::qt::DrawnPopupMenuView trayMenuView(trayMenu, trayMenu, desktop.text, program.application());
    exitCode = program.run();
  }
  // The request that ended the program has been answered; the ones still coming change nothing.
  sessionEnd.ignoreLaterRequests();
  return *exitCode;
}
