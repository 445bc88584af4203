// Optimizations through the real program on the desktop for the stress scripts: main window shown,
// progress window on, the real memory service. One line a run, then a summary; exit code 1 when a run
// left a block held or the progress window shown, or caused more memory stall than the budget.
// Usage: optimize_runs <runs> [blocks]   (on an X display, inside whatever control group is chosen)
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/program/program.h"
#include "backends/linux/program/desktop_services.h"
#include "backends/linux/system/cgroup_membership.h"
#include "backends/linux/system/memory_stall_watch.h"
#include "backends/linux/views/form_view.h"

using namespace lumaro;

namespace {

// The real memory service, counting what is held.
class CountingMemory : public platform::Memory {
 public:
  explicit CountingMemory(platform::Memory& real) : real_(real) {}
  platform::MemoryStatus status() override { return real_.status(); }
  void* commitBlock() override {
    void* block = real_.commitBlock();
    if (block != nullptr) {
      ++held;
      ++claimed;
    }
    return block;
  }
  void releaseBlock(void* base) override {
    real_.releaseBlock(base);
    --held;
  }
  int held = 0;
  int claimed = 0;

 private:
  platform::Memory& real_;
};

// Where memory stalls show: the machine's and this process's own control group's.
std::vector<std::string> pressureFiles() {
  std::vector<std::string> files{"/proc/pressure/memory"};
  const auto folders = platform::linuxos::cgroupFoldersOfThisProcess();
  if (folders.unified) files.push_back((*folders.unified / "memory.pressure").string());
  return files;
}

bool anyProgressWindowOnScreen(QWidget& mainWindow) {
  const auto windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [&](QWidget* w) {
    return w != &mainWindow && w->isVisible() && w->width() == 612 && w->height() == 192;
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 100;
  const int blocks = argc > 2 ? std::atoi(argv[2]) : 1024;

  platform::linuxos::DesktopServices desktop;
  CountingMemory memory(desktop.memory);
  platform::Services services = platform::servicesOf(desktop, memory);
  app::Program program(services);
  std::shared_ptr<platform::linuxos::FormView> mainView;
  program.application().setViewFactory([&](toolkit::Form& form) {
    auto view = std::make_shared<platform::linuxos::FormView>(form, program.application());
    if (&form == &program.mainWindow()) mainView = view;
    return view;
  });
  if (program.start()) return 1;
  app::TfrmPrincipal& window = program.mainWindow();
  window.chkboxVisualBar->setChecked(true);
  window.show();
  QApplication::processEvents();

  const std::uint64_t budget = platform::linuxos::MemoryStallWatch::kBudgetMicroseconds;
  int failures = 0, fewest = blocks, most = 0;
  std::uint64_t worstStall = 0;
  platform::linuxos::MemoryStallWatch stalls;
  for (int run = 1; run <= runs; ++run) {
    stalls.begin(pressureFiles());
    memory.claimed = 0;
    window.DefragAmount(blocks);
    QApplication::processEvents();
    const std::uint64_t stall = stalls.stalledSinceBegin();
    stalls.end();
    const bool shown = program.progressWindow().visible() || anyProgressWindowOnScreen(mainView->window());
    const bool ok = memory.held == 0 && !shown && stall <= budget;
    std::printf("run %3d: %4d blocks claimed, %d held after, stall %6llu us, progress window %s%s\n", run,
                memory.claimed, memory.held, static_cast<unsigned long long>(stall),
                shown ? "SHOWN" : "hidden", ok ? "" : "   FAILED");
    std::fflush(stdout);
    failures += ok ? 0 : 1;
    fewest = std::min(fewest, memory.claimed);
    most = std::max(most, memory.claimed);
    worstStall = std::max(worstStall, stall);
  }
  std::printf("%d runs of %d blocks: %d to %d claimed, worst stall %llu us (budget %llu us), %d failed\n",
              runs, blocks, fewest, most, static_cast<unsigned long long>(worstStall),
              static_cast<unsigned long long>(budget), failures);
  window.hide();
  return failures == 0 ? 0 : 1;
}
