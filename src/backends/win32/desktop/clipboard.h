#pragma once
#include "platform/clipboard.h"

namespace lumaro::platform::win32 {

// OpenClipboard on behalf of the main window, EmptyClipboard, CloseClipboard.
class Win32Clipboard : public Clipboard {
 public:
  void clear() override;
};

}  // namespace lumaro::platform::win32
