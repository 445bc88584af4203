// Start with the desktop, and the tray's power and clipboard commands.
#include "app/main_window/principal.h"
#include "system/auto_start.h"
#include "system/session_commands.h"

namespace lumaro::app {

void TfrmPrincipal::chkboxAutoRunClick() {
  system::writeAutoRun(services_.autostart, chkboxAutoRun->checked(), services_.files.executablePath());
}

// Neither command closes the window itself. Ending the session ends this program as a close request
// (SIGTERM on Linux), so the settings are saved all the same.
void TfrmPrincipal::cmdRestartClick() {
  system::RequestSystemExit(services_.sessionControl, platformFamily_, system::kRestartFlags);
}

void TfrmPrincipal::cmdShutdownClick() {
  system::RequestSystemExit(services_.sessionControl, platformFamily_, system::kShutdownFlags);
}

void TfrmPrincipal::cmdSuspendClick() {
  system::suspendSystem(services_.keyEvents);
}

void TfrmPrincipal::LimparClipboard1Click() {
  services_.clipboard.clear();
}

}  // namespace lumaro::app
