#include "backends/linux/desktop/session_end.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <QTest>
#include <csignal>

namespace lumaro::platform::linuxos {
namespace {

TEST(SessionEndBridgeTest, EachCloseSignalRunsTheCallbackOnceFromTheLoop) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    int calls = 0;
    SessionEndBridge bridge([&] { ++calls; });

    std::raise(signal);
    std::raise(signal);
    EXPECT_EQ(calls, 0);  // nothing runs inside the signal handler
    // Readable until the loop takes the request, so that a pause can end on it.
    pollfd pending{bridge.pendingRequestFd(), POLLIN, 0};
    EXPECT_EQ(::poll(&pending, 1, 0), 1);

    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);
  }
}

// Puts `handler` on `signal` and returns what was there.
struct sigaction replaceHandler(int signal, void (*handler)(int)) {
  struct sigaction replacement {};
  replacement.sa_handler = handler;
  sigemptyset(&replacement.sa_mask);
  struct sigaction original {};
  sigaction(signal, &replacement, &original);
  return original;
}

TEST(SessionEndBridgeTest, AnIgnoredHangUpStaysIgnored) {
  const struct sigaction original = replaceHandler(SIGHUP, SIG_IGN);
  int calls = 0;
  {
    SessionEndBridge bridge([&] { ++calls; });
    std::raise(SIGHUP);
    QTest::qWait(50);
  }
  EXPECT_EQ(calls, 0);
  sigaction(SIGHUP, &original, nullptr);
}

volatile std::sig_atomic_t previousHandlerCalls = 0;
extern "C" void countSignal(int) {
  previousHandlerCalls = previousHandlerCalls + 1;
}

TEST(SessionEndBridgeTest, RestoresThePreviousHandler) {
  const struct sigaction original = replaceHandler(SIGTERM, countSignal);
  previousHandlerCalls = 0;

  {
    SessionEndBridge bridge([] {});
  }
  std::raise(SIGTERM);

  EXPECT_EQ(previousHandlerCalls, 1);
  sigaction(SIGTERM, &original, nullptr);
}

TEST(SessionEndBridgeTest, OnceToldRequestsAreIgnoredAlsoAfterTheBridgeIsGone) {
  struct sigaction originals[3]{};
  const int closeSignals[] = {SIGTERM, SIGINT, SIGHUP};
  for (int i = 0; i < 3; ++i) sigaction(closeSignals[i], nullptr, &originals[i]);
  int calls = 0;
  {
    SessionEndBridge bridge([&] { ++calls; });
    std::raise(SIGHUP);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, 2000));
    bridge.ignoreLaterRequests();
    std::raise(SIGTERM);
  }
  // A default action here would end this test program.
  for (const int signal : closeSignals) std::raise(signal);
  QTest::qWait(50);
  EXPECT_EQ(calls, 1);
  for (int i = 0; i < 3; ++i) sigaction(closeSignals[i], &originals[i], nullptr);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
