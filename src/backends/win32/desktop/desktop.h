#pragma once
#include <windows.h>

#include <vector>

#include "platform/desktop.h"

namespace lumaro::platform::win32 {

// The desktop through user32, GDI and the shell.
class Win32Desktop : public Desktop {
 public:
  Area workArea() override;
  int colorDepth() override;
  void beep() override;
  // ShellExecuteExW with the shell's own error box, which reports a missing file. A missing file that
  // the program carries a copy of (the help) opens from that copy.
  bool openDocument(const std::string& path) override;
  void keepProgramWindowsOnTop() override;
  void releaseProgramWindowsFromTop() override;

 private:
  // The windows placed on top here, and only those: they are the ones to put back.
  std::vector<HWND> placedOnTop_;
};

}  // namespace lumaro::platform::win32
