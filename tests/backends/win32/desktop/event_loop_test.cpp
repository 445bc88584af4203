#include "backends/win32/desktop/event_loop.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumaro::platform::win32 {
namespace {

// Runs the loop's pending messages until `done` or the time is up.
template <class Done>
bool runUntil(Win32EventLoop& loop, Done done, ULONGLONG limitMs = 3000) {
  const ULONGLONG end = GetTickCount64() + limitMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, 0);
    loop.processPending();
  }
  return true;
}

TEST(Win32EventLoopTest, TimerRepeatsAfterItsIntervalUntilStoppedFromItsOwnCallback) {
  Win32EventLoop loop;
  const ULONGLONG start = GetTickCount64();
  std::vector<ULONGLONG> ticks;
  EventLoop::TimerId id = 0;
  id = loop.startTimer(30, [&] {
    ticks.push_back(GetTickCount64() - start);
    if (ticks.size() == 3) loop.stopTimer(id);
  });

  ASSERT_TRUE(runUntil(loop, [&] { return ticks.size() == 3; }));
  Sleep(100);
  loop.processPending();

  ASSERT_EQ(ticks.size(), 3u);
  // The tick counter moves in steps of up to 16 ms.
  EXPECT_GE(ticks[0], 30u - 16u);
  // Stopping again, or an id never handed out, is ignored.
  loop.stopTimer(id);
  loop.stopTimer(12345);
}

TEST(Win32EventLoopTest, ALateTimerFiresOnceNotOncePerMissedInterval) {
  Win32EventLoop loop;
  int ticks = 0;
  loop.startTimer(10, [&] { ++ticks; });

  Sleep(200);
  loop.processPending();

  EXPECT_EQ(ticks, 1);
}

TEST(Win32EventLoopTest, PostedCallsRunInOrderAndThoseItPostsWaitForTheNextTurn) {
  Win32EventLoop loop;
  std::vector<int> ran;
  std::function<void()> again = [&] {
    ran.push_back(0);
    loop.post(again);
  };
  for (int i = 1; i <= 3; ++i) loop.post([&ran, i] { ran.push_back(i); });
  loop.post(again);
  EXPECT_TRUE(ran.empty());

  loop.processPending();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 0}));
  loop.processPending();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 0, 0}));
  again = [] {};
}

TEST(Win32EventLoopTest, PauseBlocksWithoutRunningMessagesOrTimers) {
  Win32EventLoop loop;
  bool ran = false;
  int ticks = 0;
  loop.post([&] { ran = true; });
  loop.startTimer(5, [&] { ++ticks; });
  const ULONGLONG start = GetTickCount64();

  loop.pause(60);

  EXPECT_GE(GetTickCount64() - start, 60u - 16u);
  EXPECT_FALSE(ran);
  EXPECT_EQ(ticks, 0);
  loop.processPending();
  EXPECT_TRUE(ran);
}

TEST(Win32EventLoopTest, RunReturnsTheCodeGivenToQuitAndAnEarlyQuitEndsTheNextRun) {
  Win32EventLoop loop;
  loop.post([&] { loop.quit(7); });
  EXPECT_EQ(loop.run(), 7);

  loop.quit(3);
  EXPECT_EQ(loop.run(), 3);

  loop.post([&] { loop.quit(5); });
  EXPECT_EQ(loop.run(), 5);
}

}  // namespace
}  // namespace lumaro::platform::win32
