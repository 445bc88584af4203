#pragma once
#include <cstdint>

#include "engine/max_mem.h"
#include "platform/services.h"
#include "settings/form_storage.h"
#include "toolkit/application.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/page_control.h"
#include "toolkit/simple_controls.h"
#include "toolkit/spin_edit.h"
#include "toolkit/timer.h"
#include "toolkit/track_bar.h"
#include "widgets/heart_machine.h"
#include "widgets/led_display.h"
#include "widgets/led_meter.h"
#include "widgets/screw_panel.h"

namespace lumaro::app {

// The main window and the controller of the whole program: it owns every component and the
// program's private state, and its handlers tie the parts together.
class TfrmPrincipal : public toolkit::Form {
 public:
  TfrmPrincipal(toolkit::Component* owner, toolkit::Application& app, platform::Services& services,
                int platformFamily);

  std::string className() const override { return "TfrmPrincipal"; }

  // Handlers.
  void FormCreate();
  void FormCloseQuery(bool& canClose);
  void FormHide();
  void chkboxAutoRunClick();
  void cbIconColorChange();
  void cmdRestartClick();
  void cmdShutdownClick();
  void cmdSuspendClick();
  void LimparClipboard1Click();
  void btnFecharClick();
  void WMRestoreRequest();
  void AppExceptionHandler(const std::exception& error);

  // The end of the desktop session: the close question is asked, and the program ends whatever the
  // answer, as the session will not wait for it.
  void SessionEnding();

  std::int64_t TotalMB() const;

  // Private state.
  bool AntiCrashWarned = false;
  bool CancelRequest = false;
  bool QuitAllowed = false;
  bool AutoRecoverRequest = false;
  bool TimedRecoverRequest = false;
  bool SystemConfigChanged = false;
  bool Defragging = false;
  std::int64_t FreeRamAtStart = 0;

  // Non-visual components.
  engine::TMaxMem* MM;
  toolkit::Timer* Timer1;
  toolkit::Timer* TimerBoot;
  toolkit::Timer* TimerAutoRecover;
  settings::TFormStorage* FormStorage1;

  // Title bar.
  toolkit::Panel* PanelTitulo;
  toolkit::Image* Image1;
  toolkit::Image* Image2;
  toolkit::Label* btnHelp;
  toolkit::PageControl* PageControl1;

  // Page "RAM".
  toolkit::TabSheet* tabRam;
  widgets::TScrewPanel* ScrewPanel1;
  toolkit::Label* Label4;
  widgets::TLEDDisplay* LEDDisplayCPU;
  widgets::TLEDMeter* ProgressBarCPUusage;
  toolkit::Button* btnDefrag;
  toolkit::Button* btnFechar;
  toolkit::Label* Label1;
  toolkit::Panel* Panel1;
  widgets::THeartMachine* HeartMachine1;
  toolkit::Label* Label6;
  widgets::TLEDDisplay* LEDDisplayMax;
  toolkit::Label* Label8;
  widgets::TLEDDisplay* LEDDisplay1;
  toolkit::Label* Label7;
  widgets::TLEDDisplay* LEDDisplayMin;
  toolkit::TrackBar* TrkBarLiberar;
  toolkit::Label* txtMemoriaAlvo;
  toolkit::Label* Label3;
  toolkit::TrackBar* trkbarAutoLiberar;
  toolkit::Label* txtAutoRecover;
  toolkit::Label* Label2;
  toolkit::Label* Label32;
  toolkit::Label* txtMemoryLoad;
  toolkit::Label* Label33;
  toolkit::Label* txtFreePhysical;
  toolkit::Label* Label34;
  toolkit::Label* txtFreePaging;
  toolkit::Label* Label21;
  widgets::TLEDMeter* ProgressBar1;
  toolkit::CheckBox* chkboxFirstStart;

  // Page "Configuração".
  toolkit::TabSheet* tabConfig;
  widgets::TScrewPanel* ScrewPanel2;
  toolkit::Label* Label9;
  toolkit::RadioButton* RadioButton1;
  toolkit::RadioButton* RadioButton2;
  toolkit::RadioButton* RadioButton3;
  toolkit::RadioButton* RadioButton4;
  toolkit::Label* Label10;
  toolkit::CheckBox* chkboxAutoRun;
  toolkit::CheckBox* chkboxBootidle;
  toolkit::Label* Label11;
  toolkit::CheckBox* chkboxAutoRecover;
  toolkit::CheckBox* chkboxRecoverCPUusage;
  toolkit::SpinEdit* RxSpinRecoverCPUusage;
  toolkit::Label* Label5;
  toolkit::CheckBox* chkboxAutoRecoverTime;
  toolkit::SpinEdit* RxSpinAutoRecoverTime;
  toolkit::Label* Label20;
  toolkit::CheckBox* chkboxVisualBar;
  toolkit::Label* LabelAntiCrash2;
  toolkit::CheckBox* chkboxAntiCrash;
  toolkit::SpinEdit* RxSpinAntiCrash;
  toolkit::Label* LabelAntiCrash;
  toolkit::Label* Label14;
  toolkit::ComboBox* cbIconColor;
  toolkit::Label* Label12;
  toolkit::CheckBox* chkboxShortCut;
  toolkit::ComboBox* cbHotKey;
  toolkit::Label* Label18;
  toolkit::CheckBox* chkboxCPUidle;

  // Page "Ajuste Fino".
  toolkit::TabSheet* tabTuneup;
  widgets::TScrewPanel* ScrewPanel5;
  toolkit::Label* Label40;
  toolkit::TrackBar* TrkBarDMABuffers;
  toolkit::Label* txtDMABuffers1;
  toolkit::Label* txtDMABuffers2;
  toolkit::Label* Label25;
  toolkit::Label* txtDMABuffers;
  toolkit::Label* Label29;
  toolkit::TrackBar* TrkBarPageBuffers;
  toolkit::Label* txtPageBuffers1;
  toolkit::Label* txtPageBuffers2;
  toolkit::Label* Label39;
  toolkit::Label* txtPageBuffers;
  toolkit::CheckBox* chkboxForceRam;
  toolkit::Button* btnTuneUp;
  toolkit::Button* btnAjusteFinoDefault;
  toolkit::Button* btnAjustaFinoBest;

  // Page "Cache".
  toolkit::TabSheet* tabCache;
  widgets::TScrewPanel* ScrewPanel4;
  toolkit::CheckBox* chkboxCache;
  toolkit::TrackBar* TrkBarMinCache;
  toolkit::Label* txtMinCache1;
  toolkit::Label* txtMinCache2;
  toolkit::Label* Label26;
  toolkit::Label* Label22;
  toolkit::Label* txtMinCache;
  toolkit::TrackBar* TrkBarMaxCache;
  toolkit::Label* txtMaxCache1;
  toolkit::Label* txtMaxCache2;
  toolkit::Label* Label27;
  toolkit::Label* Label19;
  toolkit::Label* txtMaxCache;
  toolkit::TrackBar* TrkBarBlockCache;
  toolkit::Label* txtBlockCache1;
  toolkit::Label* txtBlockCache2;
  toolkit::Label* Label28;
  toolkit::Label* Label23;
  toolkit::Label* txtBlockCache;
  toolkit::CheckBox* chkboxCacheRemov;
  toolkit::Label* Label38;
  toolkit::Label* Label24;
  toolkit::Button* btnCacheDefault;
  toolkit::Button* btnCacheBest;

 private:
  // The window definition: every control with its design-time state.
  void createControls();
  void bindEvents();
  // The settings store with its list; last, so that it chains in front of the bound handlers.
  void createStorage();

  platform::Services& services_;
  int platformFamily_;
};

// The items of the hotkey list: "Ctrl+Alt+" and then "Shift+Alt+" before A..V, X, W, Y, Z, F1..F12, 0..9.
std::vector<std::string> hotKeyChoices();

}  // namespace lumaro::app
