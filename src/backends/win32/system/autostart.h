#pragma once
#include <string>

#include "platform/autostart.h"

struct HKEY__;

namespace lumaro::platform::win32 {

// Entries as string values of the user's Run key (HKEY_CURRENT_USER, which a standard user may
// write, unlike the machine's). A command with blanks is quoted, so that Windows never starts a
// program named by the path's first words.
class RunKeyAutostart : public Autostart {
 public:
  static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

  RunKeyAutostart();
  // Below another root and key (for tests).
  RunKeyAutostart(HKEY__* root, std::string key) : root_(root), key_(std::move(key)) {}

  Result writeEntry(const std::string& name, const std::string& command) override;
  // "HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run".
  std::string folder() override;

 private:
  HKEY__* root_;
  std::string key_;
};

}  // namespace lumaro::platform::win32
