#include "app/principal.h"

#include "monitor/memory_figures.h"
#include "toolkit/text.h"

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr std::uint32_t kExceptionPauseMs = 15000;
constexpr const char* kRestartNotice =
    "Você efetou mudanças na configuração do Windows\re estas mudanças iram vigorar da próxima vez que \ro "
    "windows for reiniciado";
}  // namespace

TfrmPrincipal::TfrmPrincipal(Component* owner, Application& app, platform::Services& services,
                             int platformFamily)
    : Form(owner, app), services_(services), platformFamily_(platformFamily) {
  createControls();
  bindEvents();
}

void TfrmPrincipal::bindEvents() {
  OnCreate = [this](Component&) { FormCreate(); };
  OnCloseQuery = [this](Component&, bool& canClose) { FormCloseQuery(canClose); };
  OnHide = [this](Component&) { FormHide(); };
  btnFechar->OnClick = [this](Component&) { btnFecharClick(); };
}

std::int64_t TfrmPrincipal::TotalMB() const {
  return monitor::megabytes(MM->TotalMemory());
}

void TfrmPrincipal::FormCreate() {
  // The resource alert exists only on the 95/98/Me family.
  if (platformFamily_ != platform::kFamily9x) {
    chkboxAntiCrash->setChecked(false);
    for (Control* control :
         std::initializer_list<Control*>{chkboxAntiCrash, RxSpinAntiCrash, LabelAntiCrash, LabelAntiCrash2}) {
      control->setVisible(false);
    }
  }

  application().setOnException([this](const std::exception& error) { AppExceptionHandler(error); });

  TimedRecoverRequest = false;
  AutoRecoverRequest = false;
  Defragging = false;

  PageControl1->setActivePage(tabRam);
  setCaption("Lumaro.");
  QuitAllowed = true;

  // Ranges and read-outs derived from the machine's memory, set before any stored position applies.
  const std::int64_t totalMB = TotalMB();
  const auto criticalMax = static_cast<int>(monitor::shareOf(totalMB, 25));
  TrkBarMinCache->setMax(static_cast<int>(totalMB));
  TrkBarMaxCache->setMax(static_cast<int>(totalMB));
  txtMinCache2->setCaption(intToStr(totalMB));
  txtMaxCache2->setCaption(intToStr(totalMB));

  txtMinCache->setCaption(intToStr(TrkBarMinCache->position()) + " M");
  txtMaxCache->setCaption(intToStr(TrkBarMaxCache->position()) + " M");
  txtBlockCache->setCaption(intToStr(TrkBarBlockCache->position() * 512) + " bytes");
  txtPageBuffers->setCaption(intToStr(TrkBarPageBuffers->position() * 4) + " K");
  txtDMABuffers->setCaption(intToStr(TrkBarDMABuffers->position()) + " K");

  const auto targetMax = static_cast<int>(monitor::shareOf(totalMB, 80));
  txtMemoriaAlvo->setCaption(intToStr(targetMax));
  txtAutoRecover->setCaption(intToStr(criticalMax));
  TrkBarLiberar->setMax(targetMax);
  trkbarAutoLiberar->setMax(criticalMax);

  // First-start defaults; stored settings override them.
  if (chkboxFirstStart->checked()) {
    TrkBarLiberar->setPosition(TrkBarLiberar->max() / 2);
    trkbarAutoLiberar->setPosition(trkbarAutoLiberar->max() - 1);
    chkboxFirstStart->setChecked(false);
    cbHotKey->setText("Ctrl+Alt+M");
  }

  Timer1->setEnabled(true);
  if (chkboxBootidle->checked()) {
    TimerBoot->setInterval(1500);
    TimerBoot->setEnabled(true);
  }

  // Values applied while starting are not the user's changes.
  SystemConfigChanged = false;
}

void TfrmPrincipal::FormCloseQuery(bool& canClose) {
  canClose = QuitAllowed;
}

void TfrmPrincipal::FormHide() {
  if (SystemConfigChanged) application().showMessage(kRestartNotice);
  PageControl1->setActivePage(tabRam);
}

void TfrmPrincipal::btnFecharClick() {
  QuitAllowed = true;
  close();
}

void TfrmPrincipal::WMRestoreRequest() {
  setWindowState(WindowState::Normal);
  OnActivate(*this);
  show();
  bringToFront();
}

void TfrmPrincipal::AppExceptionHandler(const std::exception&) {
  // Nothing is shown: let what is pending run, then hold the thread as the program always has.
  application().processMessages();
  application().loop().pause(kExceptionPauseMs);
}

void TfrmPrincipal::SessionEnding() {
  application().guarded([this] { closeQuery(); });
  application().terminate();
}

}  // namespace lumaro::app
