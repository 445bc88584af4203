// The help command: the HTML help, in the desktop's browser.
#include "app/main_window/principal.h"
#include "app/program/help_location.h"

namespace lumaro::app {

void TfrmPrincipal::btnHelpClick() {
  // Hidden in the tray there is nothing to focus.
  if (visible()) setFocus(PanelTitulo);
  const std::string help = helpFilePath(services_.files);
  // Without a viewer the user would otherwise see nothing at all happen.
  if (!services_.desktop.openDocument(help))
    application().showMessage("Não foi possível abrir a ajuda: " + help);
}

}  // namespace lumaro::app
