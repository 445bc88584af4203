#pragma once
#include <string>

namespace lumaro::platform {

// A plain modal message with one OK button; line breaks in `text` are single carriage returns. Not
// named MessageBox: <windows.h> defines that as a macro.
class MessageNotice {
 public:
  virtual ~MessageNotice() = default;

  // Returns when the user dismisses the box.
  virtual void show(const std::string& caption, const std::string& text) = 0;

  // A line for the session log (the error stream) only, for what is reported without a box.
  virtual void note(const std::string& caption, const std::string& text) = 0;
};

}  // namespace lumaro::platform
