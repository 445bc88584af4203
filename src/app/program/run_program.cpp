#include "app/program/run_program.h"

#include <optional>

#include "app/program/program.h"

namespace lumaro::app {

int runProgram(ProgramBackend& backend) {
  platform::Services services = backend.services();
  Program program(services);
  // Each window gets its on-screen view when it is first shown.
  program.application().setViewFactory(
      [&backend, &program](toolkit::Form& form) { return backend.formView(form, program.application()); });
  // Requests to end the session are taken from the very start, also while a message box or the error
  // pause holds the thread: the box closes, the pause ends, the settings are saved.
  const std::unique_ptr<SessionEndWatch> sessionEnd = backend.watchSessionEnd([&backend, &program] {
    backend.dismissMessageBoxes();
    program.endSession();
  });
  std::optional<int> exitCode = program.start();
  if (!exitCode) {
    tray::TBcBarPopupMenu& trayMenu = *program.mainWindow().popupTrayicon;
    const std::shared_ptr<void> trayMenuView =
        backend.drawnMenuView(trayMenu, trayMenu, program.application());
    exitCode = program.run();
  }
  // The request that ended the program has been answered; the ones still coming change nothing.
  sessionEnd->ignoreLaterRequests();
  return *exitCode;
}

}  // namespace lumaro::app
