#pragma once
#include <string>

#include "platform/message_notice.h"

namespace lumaro::platform::win32 {

// MessageBoxW with one OK button, owned by the main window once there is one, modal for every window
// of the thread.
class Win32MessageNotice : public MessageNotice {
 public:
  void show(const std::string& caption, const std::string& text) override;
  void note(const std::string& caption, const std::string& text) override;

  // The program is ending: closes the boxes on screen, if any, and every later one at once, so that
  // nothing holds up the close. Each message still reaches the error stream.
  void dismissAll();

 private:
  int open_ = 0;
  bool dismissed_ = false;
};

// Our messages break lines with a single carriage return; the box wants a carriage return and a line
// feed.
std::wstring boxText(const std::string& text);

}  // namespace lumaro::platform::win32
