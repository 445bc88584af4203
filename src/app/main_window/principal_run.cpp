// One optimization run: its two entry operations and the engine's three events.
#include "app/forms/progress_form.h"
#include "app/main_window/principal.h"
#include "monitor/memory_figures.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;

void TfrmPrincipal::TrkBarLiberarChange() {
  txtMemoriaAlvo->setCaption(intToStr(TrkBarLiberar->max() - TrkBarLiberar->position()));
  txtAutoRecover->setCaption(intToStr(trkbarAutoLiberar->max() - trkbarAutoLiberar->position()));
}

void TfrmPrincipal::btnDefragClick() {
  startRun([this] { return captionInteger(*txtMemoriaAlvo) + 2; });
}

void TfrmPrincipal::cmdOtimizaRamClick() {
  btnDefrag->click();
}

void TfrmPrincipal::DefragAmount(int amount) {
  startRun([amount] { return amount; });
}

void TfrmPrincipal::startRun(const std::function<int()>& blockCount) {
  if (chkboxVisualBar->checked()) frmProgress->show();
  Timer1->setEnabled(false);
  MM->Defrag(blockCount());
}

void TfrmPrincipal::MMBeforeDefrag() {
  // The animation takes the tray entry before the text icon leaves it: the entry never empties, so
  // the tray keeps the icon in its place through the run.
  startRunAnimation();
  hideTextIconForRun();
  application().processMessages();
  Defragging = true;
  FreeRamAtStart = monitor::megabytes(MM->FreeMemory());
  lastShownProgress_ = kNothingShown;
  runMessages_.restart();
}

void TfrmPrincipal::MMProgress(int progress) {
  ProgressBar1->setPosition(progress);
  // The chart is kept drawn while the run holds the thread; hidden, there is nothing to draw.
  if (visible()) HeartMachine1->repaint();
  // A gigabyte reports two thousand times in well under a second: a turn of the message loop at each
  // report costs a fifth of the run on an X desktop, while thirty a second keep the stop click, a
  // close request and the meters as prompt as the eye can tell.
  runMessages_.processIfDue();
  // A close request served just now (the session ends, SIGTERM) stops the run as a click on the
  // animated icon does: the program ends promptly instead of claiming the rest of its target first.
  if (CancelRequest || application().terminated()) {
    CancelRequest = false;
    MM->Cancel();
    progress = 100;
  }
  showInProgressWindow(progress);
}

void TfrmPrincipal::showInProgressWindow(int progress) {
  // Every report reaches the read-outs, also one whose percentage did not change: the free memory
  // moves with every block. Painting them stays with the paced turns of the loop.
  lastShownProgress_ = progress;
  if (!chkboxVisualBar->checked()) return;

  if (progress == 1) {
    frmProgress->ProgressBarFreeRam->setMax(static_cast<int>(monitor::megabytes(MM->TotalMemory())));
    frmProgress->show();
  } else if (progress == 100) {
    frmProgress->hide();
  }
  // The claim itself lowers free memory: the read-out never shows less than at the start.
  const std::int64_t free = std::max(monitor::megabytes(MM->FreeMemory()), FreeRamAtStart);
  frmProgress->ProgressBarFreeRam->setPosition(static_cast<int>(free));
  frmProgress->lblFreeRam->setCaption(intToStr(free) + "M");
  frmProgress->ProgressBarProgress->setPosition(progress);
  frmProgress->lblProgress->setCaption(intToStr(progress) + "%");
  // A shown window paints its changed meters when the loop next runs; a hidden one needs nothing.
}

void TfrmPrincipal::MMAfterDefrag() {
  // A run refused by the reserve or the stall budget ends short of 100 (or before any report), as a
  // stopped run does: the progress window shows 100 and goes, never stuck on screen, while the main
  // window's meter keeps the last value reported, so that the run does not look finished.
  if (lastShownProgress_ != 100) showInProgressWindow(100);
  // The box may have been unticked during the run: the window it showed goes all the same.
  frmProgress->hide();
  endRunAnimation();
  Defragging = false;
  AutoRecoverRequest = false;
  RadioButton1Click();
  Timer1->setEnabled(true);
  if (TimedRecoverRequest) TimedRecoverRequest = false;
}

}  // namespace lumaro::app
