// The help command: the HTML help beside the program, in the desktop's browser.
#include "app/principal.h"

namespace lumaro::app {

void TfrmPrincipal::btnHelpClick() {
  // Hidden in the tray there is nothing to focus.
  if (visible()) setFocus(PanelTitulo);
  const std::string executable = services_.files.executablePath();
  const std::string help = executable.substr(0, executable.rfind('/') + 1) + "lumaro.html";
  // Without a viewer the user would otherwise see nothing at all happen.
  if (!services_.desktop.openDocument(help))
    application().showMessage("Não foi possível abrir a ajuda: " + help);
}

}  // namespace lumaro::app
