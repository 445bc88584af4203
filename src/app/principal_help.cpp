// The help command: the HTML help, in the desktop's browser.
#include "app/help_location.h"
#include "app/principal.h"

namespace lumaro::app {

void TfrmPrincipal::btnHelpClick() {
  // Hidden in the tray there is nothing to focus.
  if (visible()) setFocus(PanelTitulo);
  services_.desktop.openDocument(helpFilePath(services_.files));
}

}  // namespace lumaro::app
