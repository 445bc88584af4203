#pragma once
#include <cstdint>

#include <functional>
#include <memory>
#include <optional>

#include "alert/resource_meter.h"
#include "engine/max_mem.h"
#include "hotkey/fis_hot_key.h"
#include "monitor/cpu_sampler.h"
#include "monitor/tick_error_filter.h"
#include "platform/services.h"
#include "settings/form_storage.h"
#include "settings/value_text.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"
#include "toolkit/core/application.h"
#include "toolkit/core/form.h"
#include "toolkit/core/paced_messages.h"
#include "toolkit/core/timer.h"
#include "tray/bar_popup_menu.h"
#include "tray/text_tray_icon.h"
#include "widgets/heart_machine.h"
#include "widgets/led_display.h"
#include "widgets/led_meter.h"
#include "widgets/screw_panel.h"

namespace lumaro::app {

class TfrmAntiCrash;
class TfrmProgress;

// The main window and the controller of the whole program: it owns every component and the
// program's private state, and its handlers tie the parts together.
class TfrmPrincipal : public toolkit::Form {
 public:
  TfrmPrincipal(toolkit::Component* owner, toolkit::Application& app, platform::Services& services,
                int platformFamily, monitor::CpuSampler& cpuSampler, alert::ResourceMeter& resourceMeter);

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

  // Tray presence.
  void FormDestroy();
  void cbIconColorKeyPress(char& key);
  void AniTrayiconClick();
  void TrayIconDblClick();
  void cmdConfiguraClick();
  void cmdFecharClick();
  void btnMinimizarClick();
  void BcCustomDrawModule1MeasureMenuItem(toolkit::MenuItem& item, int& width, int& height,
                                          bool& defaultMeasure);
  void BcCustomDrawModule1DrawMenuItem(toolkit::MenuItem& item, toolkit::Canvas& canvas,
                                       const toolkit::Rect& rect, tray::TOwnerDrawState state,
                                       bool& defaultDraw);

  // Monitoring, runs and triggers.
  void Timer1Timer();
  void ProgressBarCPUusageChange();
  void AntiCrashCheck();
  void TrkBarLiberarChange();
  void btnDefragClick();
  void cmdOtimizaRamClick();
  void DefragAmount(int amount);
  void MMBeforeDefrag();
  void MMProgress(int progress);
  void MMAfterDefrag();
  void RadioButton1Click();
  void RxSpinAutoRecoverTimeChange();
  void TimerAutoRecoverTimer();
  void TimerBootTimer();
  void cbHotKeyClick();
  void Otimizar10Click() { quickRun(Otimizar10->caption); }
  void Otimizar30Click() { quickRun(Otimizar30->caption); }
  void Otimizar60Click() { quickRun(Otimizar60->caption); }
  void btnHelpClick();
  void PanelTituloMouseDown() { startMove(); }

  // System tuning.
  void TrkBarMinCacheChange();
  void chkboxCacheClick();
  void btnCacheBestClick();
  void btnCacheDefaultClick();
  void chkboxForceRamClick();
  void btnAjusteFinoDefaultClick();
  void btnAjustaFinoBestClick();
  void chkboxCPUidleClick();
  void btnTuneUpClick();
  // The tuning pages' values into "system.ini" and the registry; run at a close request.
  void WriteSystemConfig();

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
  hotkey::TfisHotKey* HotKey;

  // The other windows: the progress window lives as long as this one; the alert only while shown.
  TfrmProgress* frmProgress = nullptr;
  TfrmAntiCrash* frmAntiCrash = nullptr;

  // Tray icons and menu.
  tray::TTextTrayIcon* TrayIcon;
  tray::TCoolTrayIcon* AniTrayicon;
  tray::TBcBarPopupMenu* popupTrayicon;
  tray::TBcCustomDrawModule* BcCustomDrawModule1;
  toolkit::ImageList* ImageList1;
  toolkit::ImageList* imagelist2;
  toolkit::ImageList* ImageList3;
  toolkit::MenuItem* cmdRestart;
  toolkit::MenuItem* cmdSuspend;
  toolkit::MenuItem* cmdShutdown;
  toolkit::MenuItem* LimparClipboard1;
  toolkit::MenuItem* Otimizar60;
  toolkit::MenuItem* Otimizar30;
  toolkit::MenuItem* Otimizar10;
  toolkit::MenuItem* OtimizarRam1;
  toolkit::MenuItem* ConfigurarLumaro1;
  toolkit::MenuItem* Ajudaonline2;
  toolkit::MenuItem* FecharOtimizador1;
  // The tray icon's backgrounds for plenty, medium and low free memory, from the icon colour choice.
  toolkit::Icon LevelIconPlenty;
  toolkit::Icon LevelIconMedium;
  toolkit::Icon LevelIconLow;

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
  toolkit::Panel* Bevel1;
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
  // The window definition: every control with its design-time state, one function for each page.
  void createControls();
  // The timers, the engine and the hotkey.
  void createComponents();
  // The title bar and the row of pages.
  void createFrame();
  void createRamPage();
  void createRamPageFigures();
  void createConfigurationPage();
  void createTuneUpPage();
  void createCachePage();
  void createHelpButton();
  void bindEvents();
  // The settings store with its list; last, so that it chains in front of the bound handlers.
  void createStorage();
  void bindTuningEvents();
  // The tray icons, their pictures and the tray menu, as the window definition has them.
  void createTray();
  void createTrayMenu();
  // FormCreate's tray steps.
  void detachMenuDrawingOnLowColour();
  void captionQuickRunItems(std::int64_t totalMB);
  // Everything that follows from the machine's memory total: the quick-run captions, the memory
  // sliders' ranges and read-outs, the chart's scale and the digits of the memory read-outs. The
  // start-up runs it before any stored position applies, the tick again when the total changes.
  void deriveFromMemoryTotal();
  // A plausible reading's total becomes the engine's; when that changes TotalMB, everything is derived
  // from it again, and the memory sliders held back at start-up take their stored positions.
  void takeUpMemoryTotal(const platform::MemoryStatus& reading);
  // The target and critical sliders where a first start puts them: the target at half its range, the
  // critical level at 1 MB.
  void placeMemorySlidersAtFirstStart();
  // The memory read-outs as wide as the total has digits, the chart beside them.
  void fitMemoryReadOuts(std::int64_t totalMB);
  // The animated icon out of the tray, still and deaf, as between runs.
  void setAnimationIdle();
  // The five value labels of the tuning sliders.
  void refreshTuningLabels();

  // The steps of Timer1Timer.
  void monitorTick();
  // The integer a read-out shows; a caption that holds none is an error.
  static int captionInteger(const toolkit::Label& label);
  void startRun(const std::function<int()>& blockCount);
  // Steps of a progress report that concern the progress window (nothing unless its box is ticked).
  void showInProgressWindow(int progress);
  // A quick run of the share in a tray item's caption plus the free memory.
  void quickRun(const std::string& caption);
  // The tray's part of the tick and of a run.
  void showFreeMemoryInTray(std::int64_t freeMB, std::int64_t totalMB);
  void hideTextIconForRun();
  void startRunAnimation();
  void endRunAnimation();

  platform::Services& services_;
  int platformFamily_;
  monitor::CpuSampler& cpuSampler_;
  alert::ResourceMeter& resourceMeter_;
  std::string decimalSeparator_;
  monitor::TickErrorFilter tickErrors_;
  // The off-screen picture the tray menu's gradients are made in; made on first use.
  std::unique_ptr<toolkit::Bitmap> menuBitmap_;
  // The last report the progress window was given in this run.
  static constexpr int kNothingShown = -1;
  int lastShownProgress_ = kNothingShown;
  // A run's turns of the message loop: 30 a second, not one per block.
  static constexpr std::uint32_t kRunMessagesMs = 33;
  toolkit::PacedMessages runMessages_{application(), kRunMessagesMs};
};

// The share in MB that a quick-run caption names between its ":" and "MB", if any.
std::optional<int> quickRunShare(const std::string& caption);

// The items of the hotkey list: "Ctrl+Alt+" and then "Shift+Alt+" before A..V, X, W, Y, Z, F1..F12, 0..9.
std::vector<std::string> hotKeyChoices();

}  // namespace lumaro::app
