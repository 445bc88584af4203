#include "backends/win32/desktop/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "backends/win32/desktop/own_window.h"

namespace lumaro::platform::win32 {
namespace {

void putText() {
  ::EmptyClipboard();
  const HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 8);
  std::memcpy(::GlobalLock(text), L"abc", 8);
  ::GlobalUnlock(text);
  ::SetClipboardData(CF_UNICODETEXT, text);
}

TEST(Win32Clipboard, ClearingEmptiesTheClipboardOnBehalfOfTheMainWindow) {
  if (!::OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard here";
  putText();
  ::CloseClipboard();
  ASSERT_TRUE(::IsClipboardFormatAvailable(CF_UNICODETEXT));
  const OwnWindow main({.className = L"TfrmPrincipal", .parent = nullptr, .style = WS_POPUP}, nullptr);

  Win32Clipboard().clear();

  EXPECT_FALSE(::IsClipboardFormatAvailable(CF_UNICODETEXT));
  // Emptying makes the window that opened the clipboard its owner.
  EXPECT_EQ(::GetClipboardOwner(), main.handle());
}

}  // namespace
}  // namespace lumaro::platform::win32
