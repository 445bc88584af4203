#include "gallery/startup_instances.h"

#include <stdexcept>

namespace lumaro::gallery {

using namespace toolkit;

namespace {

constexpr std::uint64_t kMemory = 512ull << 20;

// A meter of the progress window: 40 LEDs of one colour, no bevel, the button face between them.
widgets::TLEDMeter& progressMeter(Component& window, platform::TextService& text, const char* name,
                                  Bounds bounds, Color led, int contrast) {
  auto& meter = window.create<widgets::TLEDMeter>(text);
  meter.setName(name);
  meter.setBounds(bounds);
  meter.setBevelStyle(Bevel::None);
  meter.setColorSeperator(clBtnFace);
  meter.setColorLED1(led);
  meter.setColorLED2(led);
  meter.setColorLED3(led);
  meter.setLEDContrast(contrast);
  meter.setNumDigits(40);
  meter.setStartColor2(25);
  meter.setStartColor3(75);
  return meter;
}

}  // namespace

StartupInstances::StartupInstances() : services_(fakes_.services()), program_(services_) {
  fakes_.memory.setStatus({.memoryLoad = 40, .totalPhysical = kMemory, .availablePhysical = kMemory / 2});
  fakes_.processor.queue({0}, 0);
  if (program_.start()) throw std::runtime_error("the program did not start over the fake platform");

  app::TfrmPrincipal& w = program_.mainWindow();
  all_ = {w.ProgressBarCPUusage, w.ProgressBar1,  w.LEDDisplayCPU, w.LEDDisplay1,
          w.LEDDisplayMax,       w.LEDDisplayMin, w.HeartMachine1, w.ScrewPanel1,
          w.ScrewPanel2,         w.ScrewPanel4,   w.ScrewPanel5};
  all_.push_back(
      &progressMeter(progressWindow_, fakes_.text, "ProgressBarProgress", {3, 136, 600, 50}, clRed, 6));
  all_.push_back(
      &progressMeter(progressWindow_, fakes_.text, "ProgressBarFreeRam", {4, 32, 605, 50}, clYellow, 3));
}

}  // namespace lumaro::gallery
