#include "backends/fake/fake_event_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumaro::platform::fake {
namespace {

using ::testing::ElementsAre;

TEST(FakeEventLoop, TimersFireInDueOrderOnTheVirtualClock) {
  FakeEventLoop loop;
  std::vector<std::string> trace;
  loop.startTimer(300, [&] { trace.push_back("300@" + std::to_string(loop.now())); });
  loop.startTimer(500, [&] { trace.push_back("500@" + std::to_string(loop.now())); });
  loop.advance(1000);
  EXPECT_THAT(trace, ElementsAre("300@300", "500@500", "300@600", "300@900", "500@1000"));
  EXPECT_EQ(loop.now(), 1000u);
}

TEST(FakeEventLoop, PauseBlocksAndALateTimerFiresOnce) {
  FakeEventLoop loop;
  int ticks = 0;
  loop.startTimer(500, [&] { ++ticks; });
  loop.pause(15000);  // 90-minute periods and long pauses cost no real time
  EXPECT_EQ(ticks, 0);
  EXPECT_THAT(loop.pauses(), ElementsAre(15000u));
  loop.processPending();
  EXPECT_EQ(ticks, 1);
  loop.advance(499);
  EXPECT_EQ(ticks, 1);
  loop.advance(1);
  EXPECT_EQ(ticks, 2);
}

TEST(FakeEventLoop, TimersMayStopThemselvesAndPostedMessagesKeepTheirOrder) {
  FakeEventLoop loop;
  std::vector<std::string> trace;
  EventLoop::TimerId id = 0;
  id = loop.startTimer(100, [&] {
    trace.push_back("tick");
    loop.stopTimer(id);
    loop.post([&] { trace.push_back("posted by tick"); });
  });
  loop.post([&] { trace.push_back("first"); });
  loop.post([&] { trace.push_back("second"); });
  loop.advance(1000);
  EXPECT_THAT(trace, ElementsAre("first", "second", "tick", "posted by tick"));
  EXPECT_EQ(loop.activeTimerCount(), 0u);
  loop.stopTimer(12345);  // unknown ids are ignored
}

TEST(FakeEventLoop, RunEndsAtQuitWithItsCode) {
  FakeEventLoop loop;
  int ticks = 0;
  loop.startTimer(500, [&] {
    if (++ticks == 4) loop.quit(0);
  });
  EXPECT_EQ(loop.run(), 0);
  EXPECT_EQ(ticks, 4);
  EXPECT_EQ(loop.now(), 2000u);
}

}  // namespace
}  // namespace lumaro::platform::fake
