#include "backends/win32/desktop/clipboard.h"

#include "backends/win32/desktop/main_window.h"

namespace lumaro::platform::win32 {

void Win32Clipboard::clear() {
  // Another program holding the clipboard makes the open fail: nothing to do then.
  if (!OpenClipboard(programMainWindow())) return;
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace lumaro::platform::win32
