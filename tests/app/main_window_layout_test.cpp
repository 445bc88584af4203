// The main window's layout measured with the real text service: every caption fits its control and no
// control lies over another or over a screw, on all four pages, with the figures of a 1 TiB machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "backends/linux/desktop/text_service.h"
#include "toolkit/controls/access_key.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/track_bar.h"

namespace lumaro::app {
namespace {

using toolkit::Bounds;
using toolkit::Control;

constexpr std::uint64_t kTiB = 1024ull * 1024 * 1024 * 1024;
// What a check box or radio button needs besides its caption, and a push button around its caption.
constexpr int kIndicator = 18;
constexpr int kButtonPadding = 8;
// The screws sit in the panel's corners, inside this square.
constexpr int kScrewCorner = 12;

// The fake desktop with Qt's text service in place of the fixed-metrics one.
struct Services : platform::fake::FakeServices {
  platform::linuxos::QtTextService text;
};

bool overlap(const Bounds& a, const Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

std::string describe(const Control& control) {
  const Bounds& b = control.bounds();
  return control.name() + " at " + std::to_string(b.left) + "," + std::to_string(b.top) + " " +
         std::to_string(b.width) + "x" + std::to_string(b.height);
}

class MainWindowLayoutTest : public ::testing::Test {
 protected:
  MainWindowLayoutTest() {
    fakes.memory.setStatus({.memoryLoad = 100,
                            .totalPhysical = kTiB,
                            .availablePhysical = kTiB,
                            .totalPageFile = 2 * kTiB,
                            .availablePageFile = 2 * kTiB});
    fakes.systemInfo.family = platform::kFamily9x;  // the resource alert's controls shown too
  }

  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    TfrmPrincipal& w = program.mainWindow();
    // The widest each figure gets.
    w.txtMemoryLoad->setCaption("100% ");
    w.txtFreePhysical->setCaption("1048576,00M (100%)");
    w.txtFreePaging->setCaption("2097152,00M (100%)");
    w.txtMemoriaAlvo->setCaption("838860");
    w.txtAutoRecover->setCaption("262144");
    w.txtMinCache->setCaption("1048576 M");
    w.txtMaxCache->setCaption("1048576 M");
    w.txtBlockCache->setCaption("16384 bytes");
    w.txtDMABuffers->setCaption("64 K");
    w.txtPageBuffers->setCaption("128 K");
    return w;
  }

  int textWidth(const Control& control) {
    return fakes.text
        .textExtent(toolkit::textFontOf(control.font()), toolkit::parseAccessKey(control.caption()).text)
        .width;
  }

  Services fakes;
  platform::Services services = platform::servicesOf(fakes, fakes.memory);
  Program program{services};
};

TEST_F(MainWindowLayoutTest, EveryCaptionFitsAndNothingOverlapsOnAnyPage) {
  TfrmPrincipal& w = started();
  const std::vector<const toolkit::WinControl*> panels{w.ScrewPanel1, w.ScrewPanel2, w.ScrewPanel5,
                                                       w.ScrewPanel4};
  for (const toolkit::WinControl* panel : panels) {
    SCOPED_TRACE(panel->name());
    const Bounds area = panel->bounds();
    std::vector<const Control*> shown;
    for (const Control* control : panel->children()) {
      if (control->visible()) shown.push_back(control);
    }
    for (const Control* control : shown) {
      const Bounds& b = control->bounds();
      if (dynamic_cast<const toolkit::CheckBox*>(control) ||
          dynamic_cast<const toolkit::RadioButton*>(control)) {
        EXPECT_GE(b.width, kIndicator + textWidth(*control)) << describe(*control);
      } else if (dynamic_cast<const toolkit::Button*>(control)) {
        EXPECT_GE(b.width, kButtonPadding + textWidth(*control)) << describe(*control);
      } else if (dynamic_cast<const toolkit::Label*>(control)) {
        EXPECT_GE(b.width, textWidth(*control)) << describe(*control);
      }
      EXPECT_TRUE(b.left >= 3 && b.top >= 3 && b.left + b.width <= area.width - 3 &&
                  b.top + b.height <= area.height - 3)
          << describe(*control) << " leaves the panel";
      for (const Bounds& screw :
           {Bounds{0, 0, kScrewCorner, kScrewCorner},
            Bounds{area.width - kScrewCorner, 0, kScrewCorner, kScrewCorner},
            Bounds{0, area.height - kScrewCorner, kScrewCorner, kScrewCorner},
            Bounds{area.width - kScrewCorner, area.height - kScrewCorner, kScrewCorner, kScrewCorner}}) {
        EXPECT_FALSE(overlap(b, screw)) << describe(*control) << " covers a screw";
      }
      for (const Control* other : shown) {
        // The bevelled box surrounds the memory texts on purpose.
        if (other <= control || control == w.Bevel1 || other == w.Bevel1) continue;
        EXPECT_FALSE(overlap(b, other->bounds())) << describe(*control) << " overlaps " << describe(*other);
      }
    }
  }
}

TEST_F(MainWindowLayoutTest, MemoryReadOutsHaveADigitForEveryDigitOfTheTotal) {
  TfrmPrincipal& w = started();
  for (const widgets::TLEDDisplay* display : {w.LEDDisplayMax, w.LEDDisplay1, w.LEDDisplayMin}) {
    EXPECT_EQ(display->NumDigits(), 7) << display->name();  // 1048576 MB
    EXPECT_EQ(display->bounds().width, 71) << display->name();
    EXPECT_LT(display->bounds().left + display->bounds().width, w.Panel1->bounds().left) << display->name();
  }
  EXPECT_EQ(w.LEDDisplayCPU->NumDigits(), 3);
}

TEST_F(MainWindowLayoutTest, OnlyTheTwoVerticalSlidersHaveTheShortThumb) {
  TfrmPrincipal& w = started();
  for (const toolkit::TrackBar* bar : {w.TrkBarLiberar, w.trkbarAutoLiberar}) {
    EXPECT_EQ(bar->orientation(), toolkit::Orientation::Vertical) << bar->name();
    EXPECT_EQ(bar->thumbLength(), 15) << bar->name();
    EXPECT_EQ(bar->tickStyle(), toolkit::TickStyle::None) << bar->name();
  }
  const int standard = toolkit::TrackBar(nullptr).thumbLength();
  for (const toolkit::TrackBar* bar :
       {w.TrkBarDMABuffers, w.TrkBarPageBuffers, w.TrkBarMinCache, w.TrkBarMaxCache, w.TrkBarBlockCache}) {
    EXPECT_EQ(bar->orientation(), toolkit::Orientation::Horizontal) << bar->name();
    EXPECT_EQ(bar->thumbLength(), standard) << bar->name();
    EXPECT_NE(bar->tickStyle(), toolkit::TickStyle::None) << bar->name();
  }
}

TEST_F(MainWindowLayoutTest, TheTitleBarShowsTheIconAndTheMinimizeGlyphAndHelpLiesOverThePageButtons) {
  TfrmPrincipal& w = started();
  EXPECT_EQ(w.borderStyle(), toolkit::BorderStyle::None);
  EXPECT_EQ(w.Image1->picture().image.width(), 16);
  EXPECT_EQ(w.Image2->picture().image.width(), 16);
  EXPECT_EQ(w.btnHelp->border(), toolkit::Bevel::Lowered);
  const auto& top = w.children();
  // Later children lie on top.
  EXPECT_GT(std::find(top.begin(), top.end(), w.btnHelp), std::find(top.begin(), top.end(), w.PageControl1));
  EXPECT_TRUE(overlap(w.btnHelp->bounds(), w.PageControl1->bounds()));
  EXPECT_LE(w.btnHelp->bounds().left + w.btnHelp->bounds().width, 405);
}

}  // namespace
}  // namespace lumaro::app
