// The tuning pages: disk cache, memory and I/O buffers, the processor idle switch and the maintenance
// program. Their values reach the system configuration only at a close request.
#include "app/main_window/principal.h"
#include "system/maintenance.h"
#include "system/registry_values.h"
#include "system/system_config.h"
#include "system/tuning_presets.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr const char* kTunedMessage = "O Lumaro ajustou seu windows para o melhor optimização.";
constexpr const char* kDefaultsMessage = "Você restaurou os valores para a configuração padrão do windows.";
}  // namespace

void TfrmPrincipal::bindTuningEvents() {
  for (TrackBar* bar :
       {TrkBarMinCache, TrkBarMaxCache, TrkBarBlockCache, TrkBarDMABuffers, TrkBarPageBuffers}) {
    bar->OnChange = [this](Component&) { TrkBarMinCacheChange(); };
  }
  for (CheckBox* box : {chkboxCache, chkboxCacheRemov})
    box->OnClick = [this](Component&) { chkboxCacheClick(); };
  btnCacheBest->OnClick = [this](Component&) { btnCacheBestClick(); };
  btnCacheDefault->OnClick = [this](Component&) { btnCacheDefaultClick(); };
  chkboxForceRam->OnClick = [this](Component&) { chkboxForceRamClick(); };
  btnAjusteFinoDefault->OnClick = [this](Component&) { btnAjusteFinoDefaultClick(); };
  btnAjustaFinoBest->OnClick = [this](Component&) { btnAjustaFinoBestClick(); };
  chkboxCPUidle->OnClick = [this](Component&) { chkboxCPUidleClick(); };
  btnTuneUp->OnClick = [this](Component&) { btnTuneUpClick(); };
}

void TfrmPrincipal::refreshTuningLabels() {
  txtMinCache->setCaption(intToStr(TrkBarMinCache->position()) + " M");
  txtMaxCache->setCaption(intToStr(TrkBarMaxCache->position()) + " M");
  txtBlockCache->setCaption(intToStr(TrkBarBlockCache->position() * 512) + " bytes");
  txtPageBuffers->setCaption(intToStr(TrkBarPageBuffers->position() * 4) + " K");
  txtDMABuffers->setCaption(intToStr(TrkBarDMABuffers->position()) + " K");
}

void TfrmPrincipal::TrkBarMinCacheChange() {
  SystemConfigChanged = true;
  // A maximum of 0 is not set and does not limit the minimum. The choices are compared, and the
  // minimum takes the maximum's whole, so that a range that hides and gives back both positions never
  // pulls the minimum down.
  const int maximum = TrkBarMaxCache->chosenPosition();
  if (maximum > 0 && maximum < TrkBarMinCache->chosenPosition()) TrkBarMinCache->restorePosition(maximum);
  refreshTuningLabels();
}

void TfrmPrincipal::chkboxCacheClick() {
  SystemConfigChanged = true;
  const bool controlled = chkboxCache->checked();
  for (TrackBar* bar : {TrkBarMinCache, TrkBarMaxCache, TrkBarBlockCache}) bar->setEnabled(controlled);
  if (controlled) return;
  TrkBarMinCache->setPosition(0);
  TrkBarMaxCache->setPosition(0);
  TrkBarBlockCache->setPosition(0);  // the bar keeps its minimum, 512 bytes
}

void TfrmPrincipal::btnCacheBestClick() {
  chkboxCache->setChecked(true);
  chkboxCacheRemov->setChecked(true);
  chkboxCacheClick();
  const system::CachePositions best = system::bestCache(TotalMB());
  TrkBarBlockCache->setPosition(best.block);
  // An old maximum below the new minimum would pull the minimum down to it: the maximum goes first then.
  const int oldMaximum = TrkBarMaxCache->chosenPosition();
  if (oldMaximum > 0 && oldMaximum < best.minimum) TrkBarMaxCache->setPosition(best.maximum);
  TrkBarMinCache->setPosition(best.minimum);
  TrkBarMaxCache->setPosition(best.maximum);
  application().showMessage(kTunedMessage);
}

void TfrmPrincipal::btnCacheDefaultClick() {
  chkboxCache->setChecked(false);
  chkboxCacheRemov->setChecked(false);
  chkboxCacheClick();
}

void TfrmPrincipal::chkboxForceRamClick() {
  SystemConfigChanged = true;
}

void TfrmPrincipal::btnAjusteFinoDefaultClick() {
  TrkBarDMABuffers->setPosition(TrkBarDMABuffers->min());
  TrkBarPageBuffers->setPosition(TrkBarPageBuffers->min());
  chkboxForceRam->setChecked(false);
  application().showMessage(kDefaultsMessage);
}

void TfrmPrincipal::btnAjustaFinoBestClick() {
  TrkBarDMABuffers->setPosition(TrkBarDMABuffers->max());
  TrkBarPageBuffers->setPosition(TrkBarPageBuffers->max());
  chkboxForceRam->setChecked(true);
  application().showMessage(kTunedMessage);
}

void TfrmPrincipal::chkboxCPUidleClick() {
  system::writeCpuIdle(services_.registry, chkboxCPUidle->checked());
}

// The window does not respond until the maintenance program ends.
void TfrmPrincipal::btnTuneUpClick() {
  system::RunAndWait(services_.launcher, system::maintenanceProgram(services_.files), "",
                     system::kShowNormal);
}

void TfrmPrincipal::WriteSystemConfig() {
  system::WriteSystemConfig(services_.fileStore, services_.registry, services_.files.windowsDirectory(),
                            platformFamily_,
                            system::TuningValues{.minimumCache = TrkBarMinCache->position(),
                                                 .maximumCache = TrkBarMaxCache->position(),
                                                 .cacheBlock = TrkBarBlockCache->position(),
                                                 .pageBuffers = TrkBarPageBuffers->position(),
                                                 .dmaBuffer = TrkBarDMABuffers->position(),
                                                 .forceRam = chkboxForceRam->checked()});
}

}  // namespace lumaro::app
