#pragma once
#include "platform/clipboard.h"

namespace lumaro::platform::linuxos {

// The desktop clipboard (not the mouse selection) through Qt. Needs a QGuiApplication.
class QtClipboard : public Clipboard {
 public:
  void clear() override;
};

}  // namespace lumaro::platform::linuxos
