#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "backends/win32/desktop/event_loop.h"
#include "backends/win32/desktop/own_window.h"
#include "backends/win32/desktop/restore_channel.h"
#include "backends/win32/desktop/session_end.h"

namespace lumaro::platform::win32 {
namespace {

using Request = RestoreChannel::Request;

// The main window of the running copy: a hidden top-level window of the class other programs look for.
OwnWindow mainWindowOf(const wchar_t* windowClass) {
  return OwnWindow({.className = windowClass, .parent = nullptr, .style = WS_POPUP},
                   [](UINT message, WPARAM, LPARAM) {
                     // Its own handling stays: the channel takes only its two messages.
                     return message == WM_APP ? std::optional<LRESULT>(7) : std::nullopt;
                   });
}

TEST(WindowRestoreChannelTest, RequestsReachTheMainWindowFoundByItsClassAndRunFromTheLoop) {
  Win32EventLoop loop;
  WindowRestoreChannel listener(L"LumaroTestMain");
  WindowRestoreChannel sender(L"LumaroTestMain");
  std::vector<Request> requests;
  EXPECT_FALSE(sender.send("LUMARO2", Request::Restore));
  // Without its main window the copy cannot listen.
  EXPECT_FALSE(listener.listen("LUMARO2", [&](Request request) { requests.push_back(request); }));

  const OwnWindow main = mainWindowOf(L"LumaroTestMain");
  ASSERT_TRUE(listener.listen("LUMARO2", [&](Request request) { requests.push_back(request); }));
  EXPECT_EQ(FindWindowW(L"LumaroTestMain", nullptr), main.handle());

  EXPECT_TRUE(sender.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(sender.send("LUMARO2", Request::Optimize));
  EXPECT_TRUE(requests.empty());
  loop.processPending();
  EXPECT_EQ(requests, (std::vector{Request::Restore, Request::Optimize}));
  // The restore request itself is 0x0400, sent by any program, with any parameters.
  SendMessageW(main.handle(), 0x0400, 12, 34);
  EXPECT_EQ(requests.back(), Request::Restore);
  EXPECT_EQ(requests.size(), 3u);
  EXPECT_EQ(SendMessageW(main.handle(), WM_APP, 0, 0), 7);
  EXPECT_EQ(requests.size(), 3u);
}

TEST(WindowRestoreChannelTest, TheMainWindowGoingEndsTheListening) {
  Win32EventLoop loop;
  WindowRestoreChannel listener(L"LumaroTestGone");
  int requests = 0;
  {
    const OwnWindow main = mainWindowOf(L"LumaroTestGone");
    ASSERT_TRUE(listener.listen("LUMARO2", [&](Request) { ++requests; }));
  }
  EXPECT_FALSE(WindowRestoreChannel(L"LumaroTestGone").send("LUMARO2", Request::Restore));
  // A new main window may be listened on again.
  const OwnWindow main = mainWindowOf(L"LumaroTestGone");
  ASSERT_TRUE(listener.listen("LUMARO2", [&](Request) { ++requests; }));
  SendMessageW(main.handle(), 0x0400, 0, 0);
  EXPECT_EQ(requests, 1);
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
