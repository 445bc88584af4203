// The automatic triggers, the monitoring frequency, the quick runs and the hotkey choice.
#include <cmath>

#include "app/main_window/principal.h"
#include "monitor/memory_figures.h"

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr int kBootIdleLoadLimit = 35;
constexpr std::uint32_t kMinuteMs = 60000;
}  // namespace

void TfrmPrincipal::RadioButton1Click() {
  if (RadioButton1->checked()) Timer1->setInterval(1000);
  if (RadioButton2->checked()) Timer1->setInterval(500);
  if (RadioButton3->checked()) Timer1->setInterval(300);
  if (RadioButton4->checked()) Timer1->setInterval(150);
}

void TfrmPrincipal::RxSpinAutoRecoverTimeChange() {
  if (!chkboxAutoRecoverTime->checked()) {
    TimerAutoRecover->setEnabled(false);
    return;
  }
  chkboxAutoRecover->setChecked(true);
  TimerAutoRecover->setInterval(
      static_cast<std::uint32_t>(std::nearbyint(RxSpinAutoRecoverTime->value() * kMinuteMs)));
  TimerAutoRecover->setEnabled(true);
}

void TfrmPrincipal::TimerAutoRecoverTimer() {
  TimedRecoverRequest = true;
  AutoRecoverRequest = true;
}

void TfrmPrincipal::TimerBootTimer() {
  AutoRecoverRequest = false;
  if (ProgressBarCPUusage->Position() >= kBootIdleLoadLimit) return;
  TimerBoot->setEnabled(false);
  if (!Defragging) AutoRecoverRequest = true;
}

std::optional<int> quickRunShare(const std::string& caption) {
  const auto colon = caption.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto unit = caption.find("MB", colon);
  if (unit == std::string::npos) return std::nullopt;
  std::string number = caption.substr(colon + 1, unit - colon - 1);
  number.erase(0, number.find_first_not_of(' '));
  return settings::parseInteger(number);
}

void TfrmPrincipal::quickRun(const std::string& caption) {
  const std::int64_t free = monitor::megabytes(MM->FreeMemory());
  // Only the program's own captions reach here; anything else starts nothing.
  if (const auto share = quickRunShare(caption)) DefragAmount(static_cast<int>(*share + free));
}

void TfrmPrincipal::cbHotKeyClick() {
  cbHotKey->setEnabled(chkboxShortCut->checked());
  if (!chkboxShortCut->checked()) {
    HotKey->setEnabled(false);
    return;
  }
  HotKey->setEnabled(false);
  HotKey->setKey(hotkey::TextToShortCut(cbHotKey->text(), services_.hotkeys));
  HotKey->setEnabled(true);
}

}  // namespace lumaro::app
