#pragma once
#include <array>

#include "platform/desktop.h"
#include "platform/text_service.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/core/form.h"
#include "toolkit/drawing/geometry.h"
#include "widgets/led_meter.h"

namespace lumaro::app {

// The progress window of an optimization run: borderless, above other windows, centred, with no
// background of its own, two LED meters and their read-outs under embossed headings.
class TfrmProgress : public toolkit::Form {
 public:
  TfrmProgress(toolkit::Component* owner, toolkit::Application& app, platform::TextService& text,
               platform::Desktop& desktop);

  std::string className() const override { return "TfrmProgress"; }

  widgets::TLEDMeter* ProgressBarProgress;
  widgets::TLEDMeter* ProgressBarFreeRam;
  toolkit::Label* lblFreeRam;
  toolkit::Label* lblProgress;

 private:
  widgets::TLEDMeter* meter(const char* name, toolkit::Bounds bounds, toolkit::Color led, int contrast);
  toolkit::Label* label(const char* name, toolkit::Bounds bounds, std::string caption, int height,
                        toolkit::Color color);
  // Three silver copies a pixel around a blue one.
  void embossedHeading(const std::string& caption, const std::array<toolkit::Point, 3>& silver,
                       toolkit::Point blue);

  platform::TextService& text_;
  int headings_ = 0;
};

}  // namespace lumaro::app
