#pragma once
#include <string>

#include "platform/message_notice.h"

class QMessageBox;

namespace lumaro::platform::linuxos {

// A modal QMessageBox with one OK button, named "lumaroMessage" so that GUI tests can find it.
class QtMessageBox : public MessageNotice {
 public:
  void show(const std::string& caption, const std::string& text) override;
  // On the error stream, where a session log or a terminal keeps it.
  void note(const std::string& caption, const std::string& text) override;

  // The program is ending: closes the box on screen, if any, and every later one at once, so that
  // nothing holds up the close. Each message still reaches the error stream.
  void dismissAll();

 private:
  QMessageBox* open_ = nullptr;
  bool dismissed_ = false;
};

}  // namespace lumaro::platform::linuxos
