#pragma once
#include <functional>

#include "platform/desktop.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/core/form.h"
#include "toolkit/core/timer.h"

namespace lumaro::app {

// The warning that the system resources are nearly exhausted. It keeps the program's windows above
// all others while it is shown, puts them back when it closes, and has itself freed then.
class TfrmAntiCrash : public toolkit::Form {
 public:
  // `onDestroy` runs when the window is freed, so that its owner forgets it.
  TfrmAntiCrash(toolkit::Component* owner, toolkit::Application& app, platform::Desktop& desktop,
                const toolkit::Bounds& mainWindow, std::function<void()> onDestroy);

  std::string className() const override { return "TfrmAntiCrash"; }

  void btnDefragClick() { close(); }
  void FormClose();
  ~TfrmAntiCrash() override;
  void Timer1Timer() { desktop_.keepProgramWindowsOnTop(); }

  toolkit::Label* Label1;
  toolkit::Button* btnDefrag;
  toolkit::Timer* Timer1;

 private:
  platform::Desktop& desktop_;
};

}  // namespace lumaro::app
