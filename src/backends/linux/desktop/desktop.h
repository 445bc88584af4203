#pragma once
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/desktop.h"

namespace lumaro::platform::linuxos {

// The desktop through Qt: screen depth of the primary screen, Qt's beep, and the stays-on-top flag.
class QtDesktop : public Desktop {
 public:
  Area workArea() override;
  int colorDepth() override;
  void beep() override;
  void keepProgramWindowsOnTop() override;
  void releaseProgramWindowsFromTop() override;
  bool openDocument(const std::string& path) override;

 private:
  // The windows placed on top here, and only those: they are the ones to put back.
  std::vector<QPointer<QWidget>> placedOnTop_;
};

}  // namespace lumaro::platform::linuxos
