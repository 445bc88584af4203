#include "backends/linux/desktop/event_loop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

namespace lumaro::platform::linuxos {
namespace {

TEST(QtEventLoopTest, TimerRepeatsAfterItsIntervalUntilStoppedFromItsOwnCallback) {
  QtEventLoop loop;
  QElapsedTimer clock;
  clock.start();
  std::vector<qint64> ticks;
  EventLoop::TimerId id = 0;
  id = loop.startTimer(20, [&] {
    ticks.push_back(clock.elapsed());
    if (ticks.size() == 3) loop.stopTimer(id);
  });

  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() == 3; }, 2000));
  QTest::qWait(100);

  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_GE(ticks[0], 20);
  // Stopping again, or an id never handed out, is ignored.
  loop.stopTimer(id);
  loop.stopTimer(12345);
}

TEST(QtEventLoopTest, PauseBlocksWithoutRunningMessages) {
  QtEventLoop loop;
  bool ran = false;
  loop.post([&] { ran = true; });
  QElapsedTimer clock;
  clock.start();

  loop.pause(30);

  EXPECT_GE(clock.elapsed(), 30);
  EXPECT_FALSE(ran);
  loop.processPending();
  EXPECT_TRUE(ran);
}

TEST(QtEventLoopTest, APauseEndsWhenACloseRequestArrives) {
  QtEventLoop loop;
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  loop.setPauseBreaker(fds[0]);
  QElapsedTimer clock;
  clock.start();
  std::thread request([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(::write(fds[1], "x", 1), 1);
  });

  loop.pause(10000);
  request.join();
  EXPECT_LT(clock.elapsed(), 5000);

  ::close(fds[0]);
  ::close(fds[1]);
}

TEST(QtEventLoopTest, RunReturnsTheCodeGivenToQuit) {
  QtEventLoop loop;
  loop.post([&] { loop.quit(7); });
  EXPECT_EQ(loop.run(), 7);

  // A quit before the loop runs ends that run at once, and only that one; meanwhile the loops of
  // modal boxes still run.
  loop.quit(3);
  QEventLoop modal;
  QTimer::singleShot(20, &modal, [&] { modal.exit(1); });
  EXPECT_EQ(modal.exec(), 1);
  EXPECT_EQ(loop.run(), 3);
  loop.post([&] { loop.quit(5); });
  EXPECT_EQ(loop.run(), 5);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
