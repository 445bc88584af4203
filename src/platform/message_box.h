#pragma once
#include <string>

namespace lumaro::platform {

// A plain modal message with one OK button. Line breaks in `text` are single carriage returns.
class MessageBox {
 public:
  virtual ~MessageBox() = default;

  // Returns when the user dismisses the box.
  virtual void show(const std::string& caption, const std::string& text) = 0;
};

}  // namespace lumaro::platform
