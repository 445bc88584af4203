#include "app/main_window/principal.h"

#include "monitor/memory_figures.h"
#include "settings/settings_location.h"
#include "settings/value_text.h"
#include "system/maintenance.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr std::uint32_t kExceptionPauseMs = 15000;
constexpr const char* kRestartNotice =
    "Você efetou mudanças na configuração do Windows\re estas mudanças iram vigorar da próxima vez que \ro "
    "windows for reiniciado";
}  // namespace

TfrmPrincipal::TfrmPrincipal(Component* owner, Application& app, platform::Services& services,
                             int platformFamily, monitor::CpuSampler& cpuSampler,
                             alert::ResourceMeter& resourceMeter)
    : Form(owner, app),
      services_(services),
      platformFamily_(platformFamily),
      cpuSampler_(cpuSampler),
      resourceMeter_(resourceMeter),
      decimalSeparator_(services.systemInfo.decimalSeparator()) {
  createControls();
  bindEvents();
  createTray();
  createStorage();
}

void TfrmPrincipal::bindEvents() {
  OnCreate = [this](Component&) { FormCreate(); };
  OnCloseQuery = [this](Component&, bool& canClose) { FormCloseQuery(canClose); };
  OnHide = [this](Component&) { FormHide(); };
  bindTuningEvents();
  btnFechar->OnClick = [this](Component&) { btnFecharClick(); };
  chkboxAutoRun->OnClick = [this](Component&) { chkboxAutoRunClick(); };
  cbIconColor->OnChange = [this](Component&) { cbIconColorChange(); };
  Timer1->OnTimer = [this](Component&) { Timer1Timer(); };
  TimerBoot->OnTimer = [this](Component&) { TimerBootTimer(); };
  TimerAutoRecover->OnTimer = [this](Component&) { TimerAutoRecoverTimer(); };
  ProgressBarCPUusage->OnChange = [this](Component&) { ProgressBarCPUusageChange(); };
  ProgressBar1->OnChange = [this](Component&) { ProgressBarCPUusageChange(); };
  btnDefrag->OnClick = [this](Component&) { btnDefragClick(); };
  btnHelp->OnClick = [this](Component&) { btnHelpClick(); };
  for (Control* handle : std::initializer_list<Control*>{PanelTitulo, Image1}) {
    handle->OnMouseDown = [this](Component&, MouseButton, int, int) { PanelTituloMouseDown(); };
  }
  TrkBarLiberar->OnChange = [this](Component&) { TrkBarLiberarChange(); };
  trkbarAutoLiberar->OnChange = [this](Component&) { TrkBarLiberarChange(); };
  for (RadioButton* speed : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
    speed->OnClick = [this](Component&) { RadioButton1Click(); };
  }
  chkboxAutoRecoverTime->OnClick = [this](Component&) { RxSpinAutoRecoverTimeChange(); };
  RxSpinAutoRecoverTime->OnChange = [this](Component&) { RxSpinAutoRecoverTimeChange(); };
  chkboxShortCut->OnClick = [this](Component&) { cbHotKeyClick(); };
  cbHotKey->OnClick = [this](Component&) { cbHotKeyClick(); };
  HotKey->OnHotKey = [this](Component&) { cmdOtimizaRamClick(); };
  MM->OnBeforeDefrag = [this](Component&) { MMBeforeDefrag(); };
  MM->OnProgress = [this](Component&, int progress) { MMProgress(progress); };
  MM->OnAfterDefrag = [this](Component&) { MMAfterDefrag(); };
}

std::int64_t TfrmPrincipal::TotalMB() const {
  return monitor::megabytes(MM->TotalMemory());
}

void TfrmPrincipal::FormCreate() {
  FormStorage1->IniFileName = settings::settingsFilePath(services_.files, services_.fileStore);

  // The resource alert exists only on the 95/98/Me family.
  if (platformFamily_ != platform::kFamily9x) {
    chkboxAntiCrash->setChecked(false);
    for (Control* control :
         std::initializer_list<Control*>{chkboxAntiCrash, RxSpinAntiCrash, LabelAntiCrash, LabelAntiCrash2}) {
      control->setVisible(false);
    }
  }

  detachMenuDrawingOnLowColour();

  // A hand-edited colour that is not a number counts as the first one. A settings file that cannot be
  // written is reported in the standard error box, and the start goes on.
  cbIconColor->setItemIndex(settings::parseInteger(FormStorage1->ReadSetting("ICONE", "0")).value_or(0));
  application().guarded([this] { cbIconColorChange(); });

  application().setOnException([this](const std::exception& error) { AppExceptionHandler(error); });

  // Decided once: a maintenance program added later does not show the button.
  btnTuneUp->setVisible(services_.files.fileExists(system::maintenanceProgram(services_.files)));
  setAnimationIdle();

  TimedRecoverRequest = false;
  AutoRecoverRequest = false;
  Defragging = false;

  // The entry follows the box as the window definition has it; the settings load below corrects it.
  // A failure goes to the exception handler and the start goes on, so monitoring always starts.
  application().guarded([this] { chkboxAutoRunClick(); });
  RadioButton1Click();

  PageControl1->setActivePage(tabRam);
  setCaption("Lumaro.");
  QuitAllowed = true;

  // Ranges and read-outs derived from the machine's memory, set before any stored position applies.
  deriveFromMemoryTotal();
  refreshTuningLabels();
  // The cache sliders start disabled and reset unless the stored settings check the box.
  chkboxCacheClick();

  // The chart's first points, which create the critical and target series.
  HeartMachine1->AddPoint(0, TrkBarLiberar->max(), "Auto Liberar");
  HeartMachine1->AddPoint(1, TrkBarLiberar->position(), "Memória Alvo");

  // First-start defaults; stored settings override them.
  if (chkboxFirstStart->checked()) {
    placeMemorySlidersAtFirstStart();
    chkboxFirstStart->setChecked(false);
    cbHotKey->setText("Ctrl+Alt+M");
  }

  // The store loads the settings file in front of the show notification; the window stays hidden.
  doShow();

  Timer1->setEnabled(true);
  RxSpinAutoRecoverTimeChange();
  cbHotKeyClick();
  if (chkboxBootidle->checked()) {
    TimerBoot->setInterval(1500);
    TimerBoot->setEnabled(true);
  }

  // Values applied while starting are not the user's changes.
  SystemConfigChanged = false;
}

void TfrmPrincipal::FormCloseQuery(bool& canClose) {
  // A failure ends the close request here: the window stays, and the next request tries again.
  if (SystemConfigChanged) WriteSystemConfig();
  // The store saves after this handler, also after the window was hidden.
  FormStorage1->Active = true;
  canClose = QuitAllowed;
}

void TfrmPrincipal::FormHide() {
  if (SystemConfigChanged) application().showMessage(kRestartNotice);
  // Later shows must not reload the file over the user's unsaved changes.
  FormStorage1->Active = false;
  PageControl1->setActivePage(tabRam);
}

void TfrmPrincipal::btnFecharClick() {
  QuitAllowed = true;
  close();
}

void TfrmPrincipal::WMRestoreRequest() {
  setWindowState(WindowState::Normal);
  OnActivate(*this);
  TrayIcon->RestoreFromTray();
}

void TfrmPrincipal::AppExceptionHandler(const std::exception& error) {
  // Nothing is shown: let what is pending run, then hold the thread as the program always has. The
  // session log gets a line, so that the pause has a cause someone can find. A program on its way out
  // holds nobody up: whoever asked it to close does not wait for the pause.
  application().processMessages();
  services_.messageBox.note(application().title(), error.what());
  if (!application().terminated()) application().loop().pause(kExceptionPauseMs);
}

void TfrmPrincipal::SessionEnding() {
  // Ending the loop first spares the close its error pauses.
  application().terminate();
  application().guarded([this] { closeQuery(); });
  // A close question that failed before the store saved (a system configuration that cannot be
  // written) must not cost the user's settings.
  FormStorage1->Active = true;
  if (!FormStorage1->SavedSinceLoad()) application().guarded([this] { FormStorage1->SaveStoredSettings(); });
}

}  // namespace lumaro::app
