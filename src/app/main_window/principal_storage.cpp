// The main window's settings store and the keys it keeps.
#include <vector>

#include "app/main_window/principal.h"

namespace lumaro::app {

void TfrmPrincipal::createStorage() {
  FormStorage1 =
      &create<settings::TFormStorage>(services_.fileStore, services_.systemInfo.decimalSeparator());
  FormStorage1->setName("FormStorage1");
  FormStorage1->StoredProps = {
      "chkboxAutoRecover.Checked",   "chkboxAutoRecoverTime.Checked", "chkboxAutoRun.Checked",
      "chkboxBootidle.Checked",      "chkboxRecoverCPUusage.Checked", "chkboxShortCut.Checked",
      "chkboxVisualBar.Checked",     "chkboxCPUidle.Checked",         "chkboxForceRam.Checked",
      "chkboxCache.Checked",         "chkboxCacheRemov.Checked",      "RadioButton1.Checked",
      "RadioButton2.Checked",        "RadioButton3.Checked",          "RadioButton4.Checked",
      "RxSpinAutoRecoverTime.Value", "RxSpinRecoverCPUusage.Value",   "cbHotKey.Text",
      "TrkBarLiberar.Position",      "trkbarAutoLiberar.Position",    "TrkBarDMABuffers.Position",
      "TrkBarPageBuffers.Position",  "TrkBarMaxCache.Position",       "TrkBarMinCache.Position",
      "TrkBarBlockCache.Position",   "chkboxAntiCrash.Checked",       "RxSpinAntiCrash.Value"};
  FormStorage1->Loaded();
  // Without a total the memory sliders have no range and would come back at 0: their stored positions
  // wait in the file until the figures give a total (takeUpMemoryTotal).
  if (TotalMB() == 0) {
    FormStorage1->HoldBack({"TrkBarLiberar.Position", "trkbarAutoLiberar.Position", "TrkBarMaxCache.Position",
                            "TrkBarMinCache.Position"});
  }
}

}  // namespace lumaro::app
