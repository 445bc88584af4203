// One 1024-block optimization through the program on the desktop (main window shown, progress window
// on, both painted on the display) against the same run headless (window hidden, fake desktop), over
// the same real memory service in the same process. Run it on an X display.
#include <QApplication>
#include <cstdio>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "backends/linux/program/desktop_services.h"
#include "backends/linux/views/form_view.h"
#include "median_ratio.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  using namespace lumaro;

  platform::linuxos::DesktopServices desktop;
  platform::Services desktopServices = desktop.services();
  app::Program shown(desktopServices);
  shown.application().setViewFactory([&shown](toolkit::Form& form) {
    return std::make_shared<platform::linuxos::FormView>(form, shown.application());
  });
  if (shown.start()) return 1;
  app::TfrmPrincipal& window = shown.mainWindow();
  window.chkboxVisualBar->setChecked(true);
  window.show();
  QApplication::processEvents();

  platform::fake::FakeServices fakes;
  fakes.realMemory = &desktop.memory;
  platform::Services headlessServices = fakes.services();
  app::Program headless(headlessServices);
  if (headless.start()) return 1;

  std::printf(
      "A 1024-block run with the main and progress windows on the display vs. the same run headless\n");
  // A single run varies by a tenth from round to round (the kernel's page faults): 25 rounds each keep
  // the medians' ratio within a few hundredths.
  bench::printMedianRatio(
      "run(1024), windows shown", 25, [&] { headless.mainWindow().DefragAmount(1024); },
      [&] {
        window.DefragAmount(1024);
        QApplication::processEvents();
      });
  window.hide();
}
