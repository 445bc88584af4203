// A whole day of the resident program on the virtual clock, through its real handlers over the fake
// platform: nothing it holds may grow from one hour to the next.
#include <gtest/gtest.h>

#include <memory>

#include "app/forms/anticrash_form.h"
#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "small_machine.h"

namespace lumaro::app {
namespace {

constexpr std::uint64_t kMinuteMs = 60'000;
constexpr std::uint64_t kHourMs = 60 * kMinuteMs;

std::size_t componentsUnder(const toolkit::Component& component) {
  std::size_t count = 1;
  for (const auto& owned : component.components()) count += componentsUnder(*owned);
  return count;
}

// What the running program holds at one moment.
struct Holdings {
  std::size_t components;
  std::size_t timers;
  int views;
  std::size_t trayIcons;
  std::size_t pendingMessages;
  std::size_t heldBlocks;
  bool operator==(const Holdings&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Holdings& h) {
  return out << h.components << " components, " << h.timers << " timers, " << h.views << " views, "
             << h.trayIcons << " tray icons, " << h.pendingMessages << " pending messages, " << h.heldBlocks
             << " blocks";
}

class SimulatedDay : public ::testing::Test {
 protected:
  SimulatedDay() {
    // The 95/98/Me family, so that the resource alert opens and closes through the day too.
    fakes.systemInfo.family = platform::kFamily9x;
    setFree(300);
    program.application().setViewFactory([this](toolkit::Form&) {
      ++views;
      return std::shared_ptr<void>(new int, [this](void* view) {
        --views;
        delete static_cast<int*>(view);
      });
    });
  }

  void setFree(std::uint64_t megabytes) { fakes.memory.setStatus(test::smallMachineWithFree(megabytes)); }

  Holdings holdings() {
    return {componentsUnder(program.mainWindow()) + componentsUnder(program.progressWindow()),
            fakes.loop.activeTimerCount(),
            views,
            fakes.tray.icons.size(),
            fakes.loop.pendingMessageCount(),
            fakes.memory.held()};
  }

  // One simulated hour: free memory and processor load wander, the resources run low and recover
  // (the alert opens and closes), and the fakes forget what they recorded.
  void liveAnHour() {
    for (std::uint64_t minute = 0; minute < 60; ++minute) {
      setFree(150 + (minute * 37) % 200);
      fakes.dynamicStatistics.usage = static_cast<std::uint32_t>((minute * 13) % 100);
      fakes.systemResources.free = minute % 20 < 3 ? std::array{10, 40, 40} : std::array{90, 90, 90};
      fakes.loop.advance(kMinuteMs);
    }
    fakes.tray.operations.clear();
    fakes.systemResources.calls.clear();
    fakes.dynamicStatistics.calls.clear();
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
  int views = 0;
};

TEST_F(SimulatedDay, TwentyFourHoursAtTheFastestRateWithARunEveryMinuteGrowNothing) {
  ASSERT_EQ(program.start(), std::nullopt);
  TfrmPrincipal& w = program.mainWindow();
  int runs = 0;
  w.MM->OnBeforeDefrag = [&runs, handler = w.MM->OnBeforeDefrag.handler()](toolkit::Component& sender) {
    ++runs;
    handler(sender);
  };
  w.RadioButton4->setChecked(true);
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max());  // target 0: two blocks a run
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());
  w.chkboxVisualBar->setChecked(true);
  w.RxSpinAutoRecoverTime->setValue(1);
  w.chkboxAutoRecoverTime->setChecked(true);
  w.show();

  liveAnHour();
  const Holdings afterFirstHour = holdings();
  const int runsInFirstHour = runs;
  for (int hour = 1; hour < 24; ++hour) {
    liveAnHour();
    ASSERT_EQ(holdings(), afterFirstHour) << "after hour " << hour + 1;
  }

  EXPECT_EQ(fakes.loop.now(), 24 * kHourMs);
  EXPECT_GE(runsInFirstHour, 59);
  EXPECT_GE(runs, 24 * 60 - 1);
  EXPECT_EQ(fakes.memory.strayReleases(), 0);
  EXPECT_EQ(fakes.desktop.beeps, 24 * 3);  // the alert opened at every low spell
  EXPECT_FALSE(program.progressWindow().visible());
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_EQ(w.Timer1->interval(), 150u);
}

}  // namespace
}  // namespace lumaro::app
