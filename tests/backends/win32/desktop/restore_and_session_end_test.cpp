#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "backends/win32/desktop/event_loop.h"
#include "backends/win32/desktop/restore_channel.h"
#include "backends/win32/desktop/session_end.h"

namespace lumaro::platform::win32 {
namespace {

TEST(WindowRestoreChannelTest, AnotherCopyFindsTheWindowAndItsRequestRunsFromTheLoop) {
  Win32EventLoop loop;
  WindowRestoreChannel listener;
  WindowRestoreChannel sender;
  int requests = 0;
  EXPECT_FALSE(sender.send("LUMARO2TEST"));
  ASSERT_TRUE(listener.listen("LUMARO2TEST", [&] { ++requests; }));
  // Found by class, as the classic program's own window is.
  EXPECT_NE(FindWindowW(L"LUMARO2TEST", nullptr), nullptr);

  EXPECT_TRUE(sender.send("LUMARO2TEST"));
  EXPECT_EQ(requests, 0);
  loop.processPending();
  EXPECT_EQ(requests, 1);
  // The message itself is 0x0400, sent by any program.
  SendMessageW(FindWindowW(L"LUMARO2TEST", nullptr), 0x0400, 0, 0);
  EXPECT_EQ(requests, 2);
  EXPECT_FALSE(sender.send("LUMARO2OTHER"));
}

// What the system does when the session ends: both questions, sent from another thread.
void endSession(HWND window, BOOL ending) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &answer);
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  SendMessageTimeoutW(window, WM_ENDSESSION, ending, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &answer);
}

TEST(SessionEndWindowTest, TheSessionsEndEndsAPauseAndRunsTheRequestOnce) {
  Win32EventLoop loop;
  int requests = 0;
  SessionEndWindow sessionEnd([&] { ++requests; });
  loop.setPauseBreaker([&] { return sessionEnd.requested(); });
  const ULONGLONG start = GetTickCount64();
  std::atomic<bool> done = false;
  std::thread system([&, window = sessionEnd.window()] {
    Sleep(50);
    endSession(window, TRUE);
    endSession(window, TRUE);
    done = true;
  });

  loop.pause(10000);
  EXPECT_LT(GetTickCount64() - start, 5000u);
  while (!done) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    Sleep(1);
  }
  system.join();

  EXPECT_TRUE(sessionEnd.requested());
  EXPECT_EQ(requests, 1);
  // Once the end was taken, a pause does not block at all.
  const ULONGLONG later = GetTickCount64();
  loop.pause(5000);
  EXPECT_LT(GetTickCount64() - later, 1000u);
}

TEST(SessionEndWindowTest, AnEndCalledOffIsNoRequest) {
  Win32EventLoop loop;
  int requests = 0;
  SessionEndWindow sessionEnd([&] { ++requests; });
  std::atomic<bool> done = false;
  std::thread system([&, window = sessionEnd.window()] {
    endSession(window, FALSE);
    done = true;
  });
  // The thread's sent messages arrive while it waits for them.
  while (!done) loop.pause(10);
  system.join();
  EXPECT_EQ(requests, 0);
  EXPECT_FALSE(sessionEnd.requested());
}

}  // namespace
}  // namespace lumaro::platform::win32
