#include "backends/win32/desktop/message_notice.h"

#include <gtest/gtest.h>

#include "backends/win32/desktop/event_loop.h"
#include "backends/win32/desktop/own_window.h"

namespace lumaro::platform::win32 {
namespace {

TEST(Win32MessageNoticeTest, LineBreaksAreSingleCarriageReturnsAndAccentsSurvive) {
  EXPECT_EQ(boxText("Você efetou\re estas\r\nmudanças\r"), L"Você efetou\r\ne estas\r\nmudanças\r\n");
}

TEST(Win32MessageNoticeTest, DismissAllClosesTheOpenBoxesAndEveryLaterOne) {
  Win32EventLoop loop;
  Win32MessageNotice notice;
  bool innerShown = false;
  // The loop's timers keep running inside the box's modal loop: one opens a second box over the
  // first, the next ends both.
  EventLoop::TimerId first = 0;
  first = loop.startTimer(50, [&] {
    loop.stopTimer(first);
    loop.startTimer(100, [&] { notice.dismissAll(); });
    innerShown = true;
    notice.show("Lumaro", "inner");
  });
  const ULONGLONG start = GetTickCount64();

  notice.show("Lumaro", "outer");

  EXPECT_TRUE(innerShown);
  EXPECT_LT(GetTickCount64() - start, 10000u);
  const ULONGLONG later = GetTickCount64();
  notice.show("Lumaro", "not shown");
  EXPECT_LT(GetTickCount64() - later, 1000u);
}

TEST(Win32MessageNoticeTest, AQuitAskedForInsideABoxEndsTheRunOnceTheBoxIsGone) {
  Win32EventLoop loop;
  Win32MessageNotice notice;
  bool boxReturned = false;
  loop.post([&] {
    loop.startTimer(50, [&] {
      loop.quit(5);
      notice.dismissAll();
    });
    notice.show("Lumaro", "box");
    boxReturned = true;
  });

  EXPECT_EQ(loop.run(), 5);
  EXPECT_TRUE(boxReturned);
}

HWND openBox() {
  return FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
}

TEST(Win32MessageNoticeTest, TheMainWindowOwnsTheBoxAndEveryOtherWindowWaitsForIt) {
  Win32EventLoop loop;
  Win32MessageNotice notice;
  const OwnWindow main({.className = L"TfrmPrincipal", .parent = nullptr, .style = WS_POPUP}, nullptr);
  const OwnWindow other({.className = L"LumaroOther", .parent = nullptr, .style = WS_POPUP}, nullptr);
  HWND owner = nullptr;
  bool otherEnabled = true;
  loop.startTimer(50, [&] {
    if (openBox() == nullptr || owner != nullptr) return;
    owner = GetWindow(openBox(), GW_OWNER);
    otherEnabled = IsWindowEnabled(other.handle()) != FALSE;
    notice.dismissAll();
  });

  notice.show("Lumaro", "owned");

  EXPECT_EQ(owner, main.handle());
  EXPECT_FALSE(otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(other.handle()));
  EXPECT_TRUE(IsWindowEnabled(main.handle()));
}

}  // namespace
}  // namespace lumaro::platform::win32
