// What the main window derives from the machine's memory total, at start-up and whenever the total
// changes.
#include "app/main_window/principal.h"
#include "monitor/memory_figures.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;

void TfrmPrincipal::deriveFromMemoryTotal() {
  const std::int64_t totalMB = TotalMB();
  captionQuickRunItems(totalMB);
  TrkBarMinCache->setMax(static_cast<int>(totalMB));
  TrkBarMaxCache->setMax(static_cast<int>(totalMB));
  txtMinCache2->setCaption(intToStr(totalMB));
  txtMaxCache2->setCaption(intToStr(totalMB));
  TrkBarLiberar->setMax(static_cast<int>(monitor::shareOf(totalMB, 80)));
  trkbarAutoLiberar->setMax(static_cast<int>(monitor::shareOf(totalMB, 25)));
  // A new range keeps the positions it can: the target and critical read-outs follow the maxima.
  TrkBarLiberarChange();
  HeartMachine1->Max = static_cast<int>(totalMB);
  LEDDisplayMax->setValue(totalMB);
  LEDDisplayMin->setValue(0);
  fitMemoryReadOuts(totalMB);
}

void TfrmPrincipal::takeUpMemoryTotal(const platform::MemoryStatus& reading) {
  const std::int64_t before = TotalMB();
  MM->TakeTotalMemory(reading);
  if (TotalMB() == before) return;
  // A slider that a new range moves is not the user's change, as at start-up.
  const bool userChanges = SystemConfigChanged;
  deriveFromMemoryTotal();
  if (FormStorage1->HoldsBack()) {
    // Those sliders had no range at start-up: they take what the start-up would have given them. Nothing
    // could move them since, but the cache box could have been switched off, which keeps the cache bars
    // at 0.
    placeMemorySlidersAtFirstStart();
    FormStorage1->ReleaseHeldBack([this](const Component& slider) {
      return chkboxCache->checked() || (&slider != TrkBarMinCache && &slider != TrkBarMaxCache);
    });
  }
  SystemConfigChanged = userChanges;
}

void TfrmPrincipal::placeMemorySlidersAtFirstStart() {
  TrkBarLiberar->setPosition(TrkBarLiberar->max() / 2);
  trkbarAutoLiberar->setPosition(trkbarAutoLiberar->max() - 1);
}

}  // namespace lumaro::app
