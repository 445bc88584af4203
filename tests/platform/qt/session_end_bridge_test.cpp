#include "platform/qt/session_end_bridge.h"

#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

namespace lumaro::platform::qt {
namespace {

TEST(SessionEndBridgeTest, SigtermRunsTheCallbackOnceFromTheLoop) {
  int calls = 0;
  SessionEndBridge bridge([&] { ++calls; });

  std::raise(SIGTERM);
  std::raise(SIGTERM);
  EXPECT_EQ(calls, 0);  // nothing runs inside the signal handler

  EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 2000));
  QTest::qWait(50);
  EXPECT_EQ(calls, 1);
}

volatile std::sig_atomic_t previousHandlerCalls = 0;
extern "C" void countSignal(int) {
  previousHandlerCalls = previousHandlerCalls + 1;
}

TEST(SessionEndBridgeTest, RestoresThePreviousHandler) {
  struct sigaction counting {};
  counting.sa_handler = countSignal;
  sigemptyset(&counting.sa_mask);
  struct sigaction original {};
  ASSERT_EQ(sigaction(SIGTERM, &counting, &original), 0);
  previousHandlerCalls = 0;

  {
    SessionEndBridge bridge([] {});
  }
  std::raise(SIGTERM);

  EXPECT_EQ(previousHandlerCalls, 1);
  sigaction(SIGTERM, &original, nullptr);
}

}  // namespace
}  // namespace lumaro::platform::qt
