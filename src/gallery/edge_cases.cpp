#include "gallery/edge_cases.h"

#include <cmath>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "toolkit/core/application.h"
#include "toolkit/menus/drawn_menu.h"
#include "widgets/heart_machine.h"
#include "widgets/led_display.h"
#include "widgets/led_meter.h"
#include "widgets/screw_panel.h"

namespace lumaro::gallery {

using namespace toolkit;
using namespace widgets;

namespace {

using Pictures = std::vector<std::pair<std::string, Bitmap>>;

void meters(Pictures& out, platform::TextService& text) {
  TLEDMeter left(nullptr, text);
  left.setDirection(TMeterDirection::mdLeft);
  left.setPosition(80);
  out.emplace_back("edge-LEDMeter-mdLeft-lowered.png", left.picture());

  TLEDMeter up(nullptr, text);
  up.setBounds({0, 0, 16, 143});
  up.setDirection(TMeterDirection::mdUp);
  up.setBevelStyle(Bevel::Raised);
  up.setSingleLED(true);
  up.setPosition(50);
  out.emplace_back("edge-LEDMeter-mdUp-single.png", up.picture());

  TLEDMeter down(nullptr, text);
  down.setBounds({0, 0, 20, 100});
  down.setDirection(TMeterDirection::mdDown);
  down.setNumDigits(10);
  down.setPosition(95);
  out.emplace_back("edge-LEDMeter-mdDown.png", down.picture());

  TLEDMeter empty(nullptr, text);
  empty.setMin(100);  // no span: all unlit, all in the third zone
  out.emplace_back("edge-LEDMeter-no-span.png", empty.picture());
}

void displays(Pictures& out, platform::TextService& text) {
  TLEDDisplay standard(nullptr, text);
  standard.setFractionDigits(1);
  standard.setValue(1234.5L);
  out.emplace_back("edge-LEDDisplay-new-comma.png", standard.picture());

  const std::pair<TDecSeperator, const char*> seperators[] = {{TDecSeperator::dsPoint, "dsPoint"},
                                                              {TDecSeperator::dsDoublePoint, "dsDoublePoint"},
                                                              {TDecSeperator::dsMinus, "dsMinus"}};
  for (const auto& [seperator, name] : seperators) {
    standard.setDecSeperator(seperator);
    out.emplace_back(std::string("edge-LEDDisplay-") + name + ".png", standard.picture());
  }

  TLEDDisplay rectangular(nullptr, text);
  rectangular.setSegmentStyle(TSegmentStyle::ssRectangular);
  rectangular.setColorLED(clRed);
  rectangular.setValue(-42);
  out.emplace_back("edge-LEDDisplay-rectangular-negative.png", rectangular.picture());

  TLEDDisplay blank(nullptr, text);
  blank.setLeadingZeros(false);
  blank.setBevelStyle(Bevel::Raised);
  blank.setColorBackGround(clNavy);
  blank.setColorLED(clAqua);
  blank.setValue(105);
  out.emplace_back("edge-LEDDisplay-no-leading-zeros.png", blank.picture());
}

void chart(Pictures& out, platform::TextService& text) {
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  Application app(loop, messageBox);
  THeartMachine machine(nullptr, text, app);
  machine.setBounds({0, 0, 239, 199});
  machine.setHGridCount(15);
  machine.setHTickCount(20);
  machine.Min = 0;
  machine.Max = 512;
  // Some minutes of a running machine: the critical level and target stay, free memory wanders.
  for (int tick = 0; tick < 30; ++tick) {
    machine.AddPoint(0, 128, "Auto Liberar");
    machine.AddPoint(1, 204, "Memória Alvo");
    const int free = 260 + static_cast<int>(std::lround(120 * std::sin(tick / 3.0))) - (tick == 22 ? 150 : 0);
    machine.AddPoint(2, free, "Memória Livre");
  }
  out.emplace_back("HeartMachine1-three-series.png", machine.picture());

  machine.contextMenu()->clickItem(2);
  MenuPicture menu(*machine.contextMenu(), text);
  out.emplace_back("edge-HeartMachine-menu.png", menu.paint(1));
  out.emplace_back("edge-HeartMachine-series-hidden.png", machine.picture());
}

void panels(Pictures& out, platform::TextService& text) {
  TScrewPanel plate(nullptr, text);
  plate.setBounds({0, 0, 200, 120});
  plate.setColor(rgb(236, 233, 216));
  plate.setBevelInner(Bevel::Lowered);
  plate.setBorderWidth(2);
  plate.setScrewSize(4);
  plate.setMargin(4);
  plate.setFont({"Arial", 16, true, clNavy});
  plate.setCaption("Lumaro");
  out.emplace_back("edge-ScrewPanel-raised-caption.png", plate.picture());

  TScrewPanel plain(nullptr, text);
  plain.setBounds({0, 0, 120, 60});
  plain.setShowScrews(false);
  plain.setBevelWidth(2);
  plain.setAlignment(TAlignment::taLeftJustify);
  plain.setFont({"Tahoma", 11, false, clWindowText});
  plain.setCaption("Tahoma, left");
  out.emplace_back("edge-ScrewPanel-no-screws-left.png", plain.picture());
}

}  // namespace

std::vector<std::pair<std::string, Bitmap>> edgeCases(platform::TextService& text) {
  Pictures out;
  meters(out, text);
  displays(out, text);
  chart(out, text);
  panels(out, text);
  return out;
}

}  // namespace lumaro::gallery
