#pragma once
#include <string>

#include "platform/message_box.h"

namespace lumaro::platform::qt {

// A modal QMessageBox with one OK button, named "lumaroMessage" so that GUI tests can find it.
class QtMessageBox : public MessageBox {
 public:
  void show(const std::string& caption, const std::string& text) override;
};

}  // namespace lumaro::platform::qt
