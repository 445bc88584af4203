// The help command: the HTML help beside the program, in the desktop's browser.
#include <filesystem>

#include "app/principal.h"

namespace lumaro::app {

void TfrmPrincipal::btnHelpClick() {
  // Hidden in the tray there is nothing to focus.
  if (visible()) setFocus(PanelTitulo);
  services_.desktop.openDocument(
      (std::filesystem::path(services_.files.executableFolder()) / "lumaro.html").string());
}

}  // namespace lumaro::app
