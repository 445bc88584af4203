#include "app/program/program.h"

#include "toolkit/core/error.h"

namespace lumaro::app {

Program::Program(platform::Services& services)
    : services_(services), application_(services.loop, services.messageBox) {}

Program::~Program() {
  if (progressWindow_) progressWindow_->beforeDestruction();
  if (mainWindow_) mainWindow_->beforeDestruction();
}

std::optional<int> Program::start() {
  try {
    cpuSampler_ = std::make_unique<monitor::CpuSampler>(services_.systemInfo, services_.processor,
                                                        services_.dynamicStatistics);
  } catch (const toolkit::Error& error) {
    services_.messageBox.show("Lumaro", error.what());
    return 1;
  }
  if (!services_.instanceGuard.claim(kInstanceName)) {
    services_.messageBox.show("Lumaro", kAlreadyRunning);
    // Without a tray the running copy could not be reached at all: a second start (the desktop's menu
    // entry) brings its window up.
    services_.restoreChannel.send(kInstanceName, platform::RestoreChannel::Request::Restore);
    return 0;
  }

  application_.setTitle("Lumaro");
  const int family = services_.systemInfo.platformFamily().value_or(0);
  resourceMeter_ = std::make_unique<alert::ResourceMeter>(family, services_.systemResources);
  mainWindow_ = std::make_unique<TfrmPrincipal>(nullptr, application_, services_, family, *cpuSampler_,
                                                *resourceMeter_);
  application_.setMainForm(mainWindow_.get());
  progressWindow_ = std::make_unique<TfrmProgress>(nullptr, application_, services_.text, services_.desktop);
  mainWindow_->frmProgress = progressWindow_.get();
  mainWindow_->doCreate();

  // Where other programs look for the main window itself, it exists from now on, hidden.
  if (services_.restoreChannel.answersOnMainWindow()) application_.ensureView(*mainWindow_);
  services_.restoreChannel.listen(kInstanceName, [this](platform::RestoreChannel::Request request) {
    application_.guarded([this, request] { answer(request); });
  });
  started_ = true;
  if (endRequested_) mainWindow_->SessionEnding();
  return std::nullopt;
}

void Program::answer(platform::RestoreChannel::Request request) {
  switch (request) {
    case platform::RestoreChannel::Request::Restore:
      mainWindow_->WMRestoreRequest();
      return;
    case platform::RestoreChannel::Request::Optimize:
      // As the hotkey does.
      mainWindow_->cmdOtimizaRamClick();
      return;
  }
}

int Program::run() {
  application_.run();
  progressWindow_->beforeDestruction();
  mainWindow_->beforeDestruction();
  return 0;
}

void Program::endSession() {
  if (endRequested_) return;
  endRequested_ = true;
  if (!started_) {
    // Ending the loop now makes the rest of the start-up skip its pauses.
    application_.terminate();
    return;
  }
  mainWindow_->SessionEnding();
}

}  // namespace lumaro::app
