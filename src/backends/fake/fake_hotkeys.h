#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/global_hotkeys.h"

namespace lumaro::platform::fake {

// Records registrations; tests press combinations and mark some as taken by other programs.
class FakeHotkeys : public GlobalHotkeys {
 public:
  using Combination = std::pair<std::uint32_t, std::uint32_t>;  // modifiers, virtual key

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override {
    log.push_back("register " + std::to_string(modifiers) + "+" + std::to_string(virtualKey));
    if (taken.contains({modifiers, virtualKey})) return false;
    held[id] = Held{{modifiers, virtualKey}, std::move(onPressed)};
    return true;
  }
  void unregisterHotkey(HotkeyId id) override {
    log.push_back("unregister");
    held.erase(id);
  }
  std::vector<std::string> keyNames(std::uint32_t virtualKey) override {
    auto found = layoutNames.find(virtualKey);
    return found == layoutNames.end() ? std::vector<std::string>() : found->second;
  }

  // The user presses a combination anywhere on the desktop; true when something held it.
  bool press(std::uint32_t modifiers, std::uint32_t virtualKey) {
    for (auto& [id, entry] : held) {
      if (entry.combination == Combination{modifiers, virtualKey}) {
        auto onPressed = entry.onPressed;
        onPressed();
        return true;
      }
    }
    return false;
  }

  struct Held {
    Combination combination;
    std::function<void()> onPressed;
  };
  std::map<HotkeyId, Held> held;
  std::set<Combination> taken;
  std::map<std::uint32_t, std::vector<std::string>> layoutNames;
  std::vector<std::string> log;
};

}  // namespace lumaro::platform::fake
