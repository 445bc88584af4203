// The program: the real platform plugged into the logic.
#include <QApplication>
#include <iostream>
#include <optional>

#include "app/pictures/program_icon.h"
#include "app/program/command_line.h"
#include "app/program/program.h"
#include "app/program/run_program.h"
#include "backends/linux/desktop/application_fonts.h"
#include "backends/linux/desktop/session_end.h"
#include "backends/linux/desktop/xwayland_choice.h"
#include "backends/linux/program/desktop_services.h"
#include "backends/linux/program/display_guard.h"
#include "backends/linux/system/restore_request.h"
#include "backends/linux/system/runtime_directory.h"
#include "backends/linux/views/classic_look.h"
#include "backends/linux/views/drawn_popup_menu_view.h"
#include "backends/linux/views/form_view.h"
#include "backends/shared/desktop_backend.h"

using namespace lumaro;
using namespace lumaro::platform::linuxos;

namespace {

// Close requests come as signals, turned into calls from the event loop; one waiting ends a pause.
class SignalSessionEnd final : public app::SessionEndWatch {
 public:
  SignalSessionEnd(std::function<void()> onRequest, QtEventLoop& loop) : bridge_(std::move(onRequest)) {
    loop.setPauseBreaker(bridge_.pendingRequestFd());
  }
  void ignoreLaterRequests() override { bridge_.ignoreLaterRequests(); }

 private:
  SessionEndBridge bridge_;
};

}  // namespace

int main(int argc, char** argv) {
  // --help, --version and the requests to the running copy answer without a display; Qt then takes its
  // own options, and what remains is ours.
  const app::RunningCopySender askRunningCopy = [](platform::RestoreChannel::Request request) {
    return sendRestoreRequest(runtimeDirectory() + "/" + app::kInstanceName, request);
  };
  if (auto exitCode =
          app::answerCommandLine({argv + 1, argv + argc}, true, std::cout, std::cerr, askRunningCopy))
    return *exitCode;
  chooseXWaylandOnWaylandSessions(argc, argv);
  // Before the toolkit looks for one: a private runtime folder instead of a warning and a shared one.
  exportRuntimeDirectory();
  std::optional<DisplayGuard> displayGuard(std::in_place);
  QApplication qtApplication(argc, argv);
  displayGuard.reset();
  if (auto exitCode =
          app::answerCommandLine({argv + 1, argv + argc}, false, std::cout, std::cerr, askRunningCopy))
    return *exitCode;
  // The program lives in the tray: hiding its last window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  installApplicationFonts();
  installClassicLook();
  setProgramIcon({app::programIcon(16), app::programIcon(32), app::programIcon(48)});

  platform::DesktopBackend<DesktopServices, FormView, DrawnPopupMenuView, SignalSessionEnd> backend;
  return app::runProgram(backend);
}
