#include "backends/win32/system/session.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace lumaro::platform::win32 {
namespace {

// Ending the session is not tried here: under Wine it would end every program of the prefix.
TEST(Win32SessionControl, TheShutdownPrivilegeCanBeEnabled) {
  EXPECT_TRUE(Win32SessionControl().enableShutdownPrivilege());
}

TEST(Win32Clipboard, ClearingEmptiesTheClipboard) {
  if (!::OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard here";
  ::EmptyClipboard();
  const HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 8);
  std::memcpy(::GlobalLock(text), L"abc", 8);
  ::GlobalUnlock(text);
  ::SetClipboardData(CF_UNICODETEXT, text);
  ::CloseClipboard();
  ASSERT_TRUE(::IsClipboardFormatAvailable(CF_UNICODETEXT));
  Win32Clipboard().clear();
  EXPECT_FALSE(::IsClipboardFormatAvailable(CF_UNICODETEXT));
}

}  // namespace
}  // namespace lumaro::platform::win32
