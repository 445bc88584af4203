#pragma once
#include <string>

namespace lumaro::platform {

// Facts and small services of the desktop the program's windows live on.
struct Area {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The usable area of the primary screen, in screen coordinates.
  virtual Area workArea() = 0;
  // Bits per pixel times colour planes of the screen (24 or 32 on any current display).
  virtual int colorDepth() = 0;
  // The default system sound.
  virtual void beep() = 0;
  // Opens a document (the help) in the desktop's viewer for it; returns at once. A missing file is
  // the viewer's to report; false when no viewer could be started at all.
  virtual bool openDocument(const std::string& path) = 0;
  // Places every window of the program above other programs' windows, without moving, sizing or
  // activating them.
  virtual void keepProgramWindowsOnTop() = 0;
};

}  // namespace lumaro::platform
