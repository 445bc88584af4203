// The monitoring tick and the resource alert check.
#include <cmath>

#include "app/forms/anticrash_form.h"
#include "app/main_window/principal.h"
#include "monitor/memory_figures.h"
#include "toolkit/core/error.h"

namespace lumaro::app {

using namespace toolkit;

int TfrmPrincipal::captionInteger(const Label& label) {
  const auto value = settings::parseInteger(label.caption());
  if (!value) throw Error("'" + label.caption() + "' is not a valid integer value");
  return *value;
}

namespace {
constexpr const char* kGarbledMemoryFigures = "Garbled memory figures";
}  // namespace

void TfrmPrincipal::Timer1Timer() {
  // A source that stays broken is reported once, not at every tick: the program stays responsive and
  // takes up the figures again by itself once they are good.
  tickErrors_.run([this] { monitorTick(); });
}

void TfrmPrincipal::monitorTick() {
  AntiCrashCheck();

  cpuSampler_.TakeCpuSample();
  ProgressBarCPUusage->setPosition(monitor::loadPercent(cpuSampler_.CpuLoad(0)));
  LEDDisplayCPU->setValue(ProgressBarCPUusage->Position());

  // One reading serves the whole tick: the free figure and the texts agree, and the kernel builds its
  // memory report once instead of twice. Figures that cannot be right end the tick as an unreadable
  // source would, before any is shown.
  const platform::MemoryStatus status = services_.memory.status();
  if (!monitor::plausible(status)) throw Error(kGarbledMemoryFigures);
  // A start on a source that could not be read, or memory added or removed since, gives a new total,
  // so that the free figure never exceeds the total.
  takeUpMemoryTotal(status);
  const std::int64_t freeMB = monitor::megabytes(status.availablePhysical);
  const std::int64_t totalMB = TotalMB();
  const int targetMB = captionInteger(*txtMemoriaAlvo);
  const int criticalMB = captionInteger(*txtAutoRecover);

  txtMemoryLoad->setCaption(monitor::memoryLoadText(status));
  txtFreePhysical->setCaption(
      monitor::freeAmountText(status.availablePhysical, status.totalPhysical, decimalSeparator_));
  txtFreePaging->setCaption(
      monitor::freeAmountText(status.availablePageFile, status.totalPageFile, decimalSeparator_));
  LEDDisplay1->setValue(static_cast<long double>(freeMB));

  HeartMachine1->AddPoint(0, criticalMB, "Auto Liberar");
  HeartMachine1->AddPoint(1, targetMB, "Memória Alvo");
  HeartMachine1->AddPoint(2, static_cast<int>(freeMB), "Memória Livre");

  showFreeMemoryInTray(freeMB, totalMB);

  if (chkboxAutoRecover->checked() && captionInteger(*txtAutoRecover) >= freeMB) AutoRecoverRequest = true;
  if (AutoRecoverRequest || TimedRecoverRequest) {
    const bool gateOpen = !chkboxRecoverCPUusage->checked() ||
                          ProgressBarCPUusage->Position() <= RxSpinRecoverCPUusage->value();
    if (gateOpen) btnDefragClick();
  }
}

void TfrmPrincipal::ProgressBarCPUusageChange() {
  const int load = ProgressBarCPUusage->Position();
  LEDDisplayCPU->setColorLED(load < 25 ? clLime : load < 75 ? clYellow : clRed);
}

void TfrmPrincipal::AntiCrashCheck() {
  const bool low = resourceMeter_.resourcesLow(static_cast<int>(std::nearbyint(RxSpinAntiCrash->value())));
  if (!chkboxAntiCrash->checked()) return;
  if (!low) {
    AntiCrashWarned = false;
    if (frmAntiCrash != nullptr) frmAntiCrash->close();
    return;
  }
  if (frmAntiCrash != nullptr || AntiCrashWarned) return;
  services_.desktop.beep();
  AntiCrashWarned = true;
  frmAntiCrash =
      &create<TfrmAntiCrash>(application(), services_.desktop, bounds(), [this] { frmAntiCrash = nullptr; });
  frmAntiCrash->show();
}

}  // namespace lumaro::app
