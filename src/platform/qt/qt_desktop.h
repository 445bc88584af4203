#pragma once
#include "platform/desktop.h"

namespace lumaro::platform::qt {

// The desktop through Qt: screen depth of the primary screen, Qt's beep, and the stays-on-top flag.
class QtDesktop : public Desktop {
 public:
  Area workArea() override;
  int colorDepth() override;
  void beep() override;
  void keepProgramWindowsOnTop() override;
  bool openDocument(const std::string& path) override;
};

}  // namespace lumaro::platform::qt
