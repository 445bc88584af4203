#include "app/forms/anticrash_form.h"

#include "toolkit/core/application.h"

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr const char* kWarning =
    "Os recursos do windows estão esgotados. Seu computador pode tornar-se instável. Os recursos do sistema "
    "são "
    "consumidos pelos programas que estão rodando. A única maneira de liberar estes recursos é  fechar "
    "alguns "
    "programas, após esta operação caso esteja com algum documento aberto é aconselhável salvá-lo para não "
    "perder nenhum dado.";
}  // namespace

TfrmAntiCrash::TfrmAntiCrash(Component* owner, Application& app, platform::Desktop& desktop,
                             const Bounds& mainWindow, std::function<void()> onDestroy)
    : Form(owner, app), desktop_(desktop) {
  setName("frmAntiCrash");
  setCaption("Lumaro  -   Alerta sobre Recursos de Memória");
  setBorderStyle(BorderStyle::Dialog);
  setFont(Font{"MS Sans Serif", 11, false, clWindowText});
  setBounds(Bounds{0, 0, 335, 189});
  centerOn(mainWindow);

  Label1 = &create<Label>();
  Label1->setName("Label1");
  Label1->setParent(this);
  Label1->setBounds(Bounds{8, 7, 315, 128});
  Label1->setWordWrap(true);
  Label1->setFont(Font{"Arial", 13, true, clNavy});
  Label1->setCaption(kWarning);

  btnDefrag = &create<Button>();
  btnDefrag->setName("btnDefrag");
  btnDefrag->setParent(this);
  btnDefrag->setBounds(Bounds{125, 160, 95, 26});
  btnDefrag->setFont(Font{"Arial", 12, true, clWindowText});
  btnDefrag->setCaption("&Fechar Aviso");
  btnDefrag->OnClick = [this](Component&) { btnDefragClick(); };

  Timer1 = &create<Timer>(app);
  Timer1->setName("Timer1");
  Timer1->setInterval(1000);
  Timer1->OnTimer = [this](Component&) { Timer1Timer(); };

  OnClose = [this](Component&) { FormClose(); };
  OnDestroy = [onDestroy = std::move(onDestroy)](Component&) { onDestroy(); };
}

TfrmAntiCrash::~TfrmAntiCrash() {
  desktop_.releaseProgramWindowsFromTop();
}

void TfrmAntiCrash::FormClose() {
  Timer1->setEnabled(false);
  desktop_.releaseProgramWindowsFromTop();
  // Freed from the loop, once the close that is running now has finished.
  application().post([this] {
    beforeDestruction();
    if (owner() != nullptr) owner()->destroyOwned(this);
  });
}

}  // namespace lumaro::app
