#include "platform/contract/event_loop_contract.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace lumaro::platform::contract {
namespace {

using ::testing::ElementsAre;

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EventLoopContract);

// Should the loop never reach its quit, this ends the run instead of hanging the suite.
constexpr std::uint32_t kSafetyMs = 5000;
constexpr int kSafetyCode = -1;

TEST_P(EventLoopContract, PostedMessagesRunFromTheLoopAfterThoseAlreadyQueued) {
  EventLoop& loop = subject().loop();
  std::vector<std::string> ran;
  loop.post([&] {
    ran.push_back("first");
    loop.post([&] {
      ran.push_back("posted by first");
      loop.quit(7);
    });
  });
  loop.post([&] { ran.push_back("second"); });
  EXPECT_TRUE(ran.empty());
  loop.startTimer(kSafetyMs, [&] { loop.quit(kSafetyCode); });

  EXPECT_EQ(loop.run(), 7);
  EXPECT_THAT(ran, ElementsAre("first", "second", "posted by first"));
}

TEST_P(EventLoopContract, TimersFireInOrderOfDueTimeAndMayStopThemselves) {
  EventLoop& loop = subject().loop();
  std::vector<std::string> fired;
  EventLoop::TimerId slow = 0;
  EventLoop::TimerId fast = 0;
  slow = loop.startTimer(80, [&] {
    fired.push_back("slow");
    loop.stopTimer(slow);
    loop.quit(0);
  });
  fast = loop.startTimer(10, [&] {
    fired.push_back("fast");
    loop.stopTimer(fast);
  });
  loop.startTimer(kSafetyMs, [&] { loop.quit(kSafetyCode); });

  EXPECT_EQ(loop.run(), 0);
  EXPECT_THAT(fired, ElementsAre("fast", "slow"));
}

TEST_P(EventLoopContract, ATimerRepeatsUntilStoppedAndNeverFiresAfter) {
  EventLoop& loop = subject().loop();
  int ticks = 0;
  EventLoop::TimerId id = 0;
  id = loop.startTimer(5, [&] {
    if (++ticks < 3) return;
    loop.stopTimer(id);
    loop.stopTimer(id);  // again: ignored
    loop.startTimer(40, [&] { loop.quit(0); });
  });
  loop.stopTimer(id + 1000);  // never handed out: ignored
  loop.startTimer(kSafetyMs, [&] { loop.quit(kSafetyCode); });

  EXPECT_EQ(loop.run(), 0);
  EXPECT_EQ(ticks, 3);
}

TEST_P(EventLoopContract, AQuitBeforeTheLoopRunsEndsThatRunOnly) {
  EventLoop& loop = subject().loop();
  loop.quit(3);
  EXPECT_EQ(loop.run(), 3);

  loop.startTimer(10, [&] { loop.quit(5); });
  EXPECT_EQ(loop.run(), 5);
}

TEST_P(EventLoopContract, APauseRunsNothingAndTheTimersItOutlastedFireOnceAfter) {
  EventLoop& loop = subject().loop();
  bool posted = false;
  int ticks = 0;
  loop.post([&] { posted = true; });
  loop.startTimer(2, [&] { ++ticks; });

  loop.pause(30);
  EXPECT_FALSE(posted);
  EXPECT_EQ(ticks, 0);

  loop.processPending();
  EXPECT_TRUE(posted);
  EXPECT_EQ(ticks, 1);
}

TEST_P(EventLoopContract, TheClockNeverGoesBackAndCountsAPauseInFull) {
  EventLoop& loop = subject().loop();
  const std::uint64_t start = loop.now();
  loop.pause(30);
  const std::uint64_t afterPause = loop.now();
  EXPECT_GE(afterPause - start, 30u);
  loop.processPending();
  EXPECT_GE(loop.now(), afterPause);
}

}  // namespace
}  // namespace lumaro::platform::contract
