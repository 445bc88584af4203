#pragma once
#include <vector>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "toolkit/controls/painted_control.h"
#include "widgets/led_meter.h"

namespace lumaro::gallery {

// Lumaro's widget instances as they are right after start-up on a machine with 512 MB of memory. The
// main window's come from the program itself, started over the fake platform; the progress window's
// two meters are made here with that window's settings.
class StartupInstances {
 public:
  StartupInstances();

  // Every instance, each named as in the windows' definitions.
  const std::vector<toolkit::PaintedControl*>& all() const { return all_; }
  app::TfrmPrincipal& mainWindow() { return program_.mainWindow(); }

 private:
  platform::fake::FakeServices fakes_;
  platform::Services services_;
  app::Program program_;
  toolkit::Component progressWindow_;
  std::vector<toolkit::PaintedControl*> all_;
};

}  // namespace lumaro::gallery
