// One 1024-block optimization through the program's own handlers (headless, window hidden), against
// the engine alone with empty handlers, over the same real memory service in the same process.
#include <cstdio>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "backends/linux/system/memory.h"
#include "engine/max_mem.h"
#include "median_ratio.h"

int main() {
  using namespace lumaro;
  platform::linuxos::ProcMemory memory;
  platform::fake::FakeServices fakes;
  fakes.realMemory = &memory;
  platform::Services services = fakes.services();
  app::Program program(services);
  if (program.start()) return 1;
  app::TfrmPrincipal& window = program.mainWindow();

  engine::TMaxMem bare(nullptr, memory);
  bare.OnBeforeDefrag = [](toolkit::Component&) {};
  bare.OnProgress = [](toolkit::Component&, int) {};
  bare.OnAfterDefrag = [](toolkit::Component&) {};

  std::printf("A 1024-block run with the program's handlers vs. the engine with empty handlers\n");
  bench::printMedianRatio(
      "run(1024)", 9, [&] { bare.Defrag(1024); }, [&] { window.DefragAmount(1024); });
}
