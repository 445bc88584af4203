#pragma once
#include <memory>
#include <optional>

#include "alert/resource_meter.h"
#include "app/forms/progress_form.h"
#include "app/main_window/principal.h"
#include "monitor/cpu_sampler.h"
#include "platform/services.h"
#include "toolkit/core/application.h"

namespace lumaro::app {

inline constexpr const char* kInstanceName = "LUMARO2";
inline constexpr const char* kAlreadyRunning = "Já existe uma cópia do Lumaro sendo executada";

// The program from entry to exit, over whatever platform it is given.
class Program {
 public:
  explicit Program(platform::Services& services);
  ~Program();

  // Everything up to the message loop. Returns an exit code when the program must end at once (another
  // copy runs, or the platform cannot be identified); otherwise the main window exists, hidden.
  std::optional<int> start();

  // Runs the message loop, then destroys the windows. The exit code is 0.
  int run();

  // The desktop session ends (or the terminal asks): the main window is asked to close and the program
  // ends regardless. A request that comes while the program is still starting is taken once the
  // start-up is complete, and ends it without running the message loop.
  void endSession();

  toolkit::Application& application() { return application_; }
  TfrmPrincipal& mainWindow() { return *mainWindow_; }
  TfrmProgress& progressWindow() { return *progressWindow_; }
  monitor::CpuSampler& cpuSampler() { return *cpuSampler_; }

 private:
  // A request from another process, through the restore channel.
  void answer(platform::RestoreChannel::Request request);

  platform::Services& services_;
  toolkit::Application application_;
  std::unique_ptr<monitor::CpuSampler> cpuSampler_;
  std::unique_ptr<alert::ResourceMeter> resourceMeter_;
  std::unique_ptr<TfrmPrincipal> mainWindow_;
  std::unique_ptr<TfrmProgress> progressWindow_;
  bool started_ = false;
  bool endRequested_ = false;
};

}  // namespace lumaro::app
