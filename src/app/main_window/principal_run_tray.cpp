// The tray's part of the monitoring tick and of a run.
#include "app/main_window/principal.h"
#include "monitor/memory_figures.h"
#include "tray/tray_figure.h"

namespace lumaro::app {

void TfrmPrincipal::showFreeMemoryInTray(std::int64_t freeMB, std::int64_t totalMB) {
  const std::int64_t freePercent = monitor::freePercent(freeMB, totalMB);
  if (freePercent <= 25) TrayIcon->setBackgroundIcon(LevelIconLow);
  if (freePercent > 25 && freePercent <= 70) TrayIcon->setBackgroundIcon(LevelIconMedium);
  if (freePercent > 70) TrayIcon->setBackgroundIcon(LevelIconPlenty);
  TrayIcon->setHint(tray::trayTip(freeMB));
  TrayIcon->setText(tray::trayFigure(freeMB));
}

void TfrmPrincipal::hideTextIconForRun() {
  TrayIcon->setIconVisible(false);
  TrayIcon->setEnabled(false);
}

void TfrmPrincipal::startRunAnimation() {
  AniTrayicon->setCycleInterval(200);
  AniTrayicon->setCycleIcons(true);
  AniTrayicon->setIconVisible(true);
  AniTrayicon->setEnabled(true);
}

void TfrmPrincipal::endRunAnimation() {
  TrayIcon->setIconVisible(true);
  TrayIcon->setEnabled(true);
  setAnimationIdle();
}

void TfrmPrincipal::setAnimationIdle() {
  AniTrayicon->setCycleInterval(1000);
  AniTrayicon->setCycleIcons(false);
  AniTrayicon->setIconVisible(false);
  AniTrayicon->setEnabled(false);
}

}  // namespace lumaro::app
