// The help command: the HTML help beside the program, in the desktop's browser.
#include "app/principal.h"

namespace lumaro::app {

void TfrmPrincipal::btnHelpClick() {
  // Hidden in the tray there is nothing to focus.
  if (visible()) setFocus(PanelTitulo);
  const std::string executable = services_.files.executablePath();
  services_.desktop.openDocument(executable.substr(0, executable.rfind('/') + 1) + "lumaro.html");
}

}  // namespace lumaro::app
