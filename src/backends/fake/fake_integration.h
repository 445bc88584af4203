#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/key_events.h"
#include "platform/session_control.h"

namespace lumaro::platform::fake {

// Records every write; answers `result`.
class FakeAutostart : public Autostart {
 public:
  Result writeEntry(const std::string& name, const std::string& command) override {
    writes.emplace_back(name, command);
    if (result == Result::Written) entries[name] = command;
    return result;
  }
  std::string folder() override { return folderPath; }

  Result result = Result::Written;
  std::vector<std::pair<std::string, std::string>> writes;
  std::map<std::string, std::string> entries;
  std::string folderPath = "/home/user/.config/autostart";
};

// Records every call in order: "privilege", then "exit <flags>".
class FakeSessionControl : public SessionControl {
 public:
  bool enableShutdownPrivilege() override {
    calls.emplace_back("privilege");
    return privilegeGranted;
  }
  bool exitSession(std::uint32_t flags) override {
    calls.push_back("exit " + std::to_string(flags));
    return exitAccepted;
  }

  bool privilegeGranted = true;
  bool exitAccepted = true;
  std::vector<std::string> calls;
};

class FakeKeyEvents : public KeyEvents {
 public:
  void pressKey(std::uint8_t virtualKey) override { pressed.push_back(virtualKey); }

  std::vector<std::uint8_t> pressed;
};

class FakeClipboard : public Clipboard {
 public:
  void clear() override {
    ++clears;
    text.clear();
  }

  int clears = 0;
  std::string text;  // what another program put there
};

}  // namespace lumaro::platform::fake
