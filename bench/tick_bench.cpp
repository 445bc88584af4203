// The processor time of one monitoring tick on the real desktop services, with the main window hidden
// in the tray and with it shown, against the bare reads every tick needs (the processor counters and
// one memory reading).
#include <QApplication>
#include <cstdio>

#include "app/program/program.h"
#include "backends/linux/program/desktop_services.h"
#include "backends/linux/views/form_view.h"
#include "median_ratio.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  using namespace lumaro;
  platform::linuxos::DesktopServices desktop;
  platform::Services services = desktop.services();
  app::Program program(services);
  program.application().setViewFactory([&program](toolkit::Form& form) {
    return std::make_shared<platform::linuxos::FormView>(form, program.application());
  });
  if (program.start()) return 1;
  app::TfrmPrincipal& window = program.mainWindow();
  // No run may start while measuring.
  window.trkbarAutoLiberar->setPosition(window.trkbarAutoLiberar->max());
  window.chkboxAutoRecoverTime->setChecked(false);

  constexpr int kTicks = 200;
  platform::ProcessorCounters counters;
  const auto bareReads = [&] {
    for (int i = 0; i < kTicks; ++i) {
      desktop.processor.read(counters);
      desktop.memory.status();
    }
  };
  // A tick and what the loop then does with it: repaints of whatever can be seen.
  const auto ticks = [&] {
    for (int i = 0; i < kTicks; ++i) {
      window.Timer1Timer();
      QApplication::processEvents();
    }
  };
  // Also one tick's own time, for the budget of a tick at the fastest rate.
  const auto measure = [&](const char* name) {
    const bench::Medians m = bench::alternatingMedians(15, bareReads, ticks);
    std::printf("%-28s baseline %9.3f ms   measured %9.3f ms   ratio %.2f   %6.1f us a tick\n", name,
                m.baseline, m.measured, m.measured / m.baseline, 1000 * m.measured / kTicks);
  };
  std::printf("%d monitoring ticks vs. the bare reads of %d ticks (median of alternating rounds)\n", kTicks,
              kTicks);
  measure("tick, window hidden");
  window.show();
  QApplication::processEvents();
  measure("tick, window shown");
  window.hide();
}
