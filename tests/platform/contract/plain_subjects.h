#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/contract/event_loop_contract.h"
#include "platform/contract/hotkeys_contract.h"
#include "platform/contract/instance_contract.h"
#include "platform/contract/system_contract.h"
#include "platform/contract/text_service_contract.h"
#include "platform/contract/tray_contract.h"

namespace lumaro::platform::contract {

// The subjects of services that need nothing around them: a default-made service of the backend's
// type, and hooks that are the same on every backend.

template <class Loop>
struct EventLoopOf : EventLoopSubject {
  EventLoop& loop() override { return service; }
  Loop service;
};

template <class Text>
struct TextServiceOf : TextServiceSubject {
  TextService& text() override { return service; }
  Text service;
};

template <class Info, class Resources>
struct SystemOf : SystemSubject {
  SystemInfo& systemInfo() override { return info; }
  SystemResources& systemResources() override { return resources; }
  Info info;
  Resources resources;
};

// A tray where the test runs beside a tray host.
template <class Icons>
struct HostedTrayOf : TraySubject {
  Tray& tray() override { return service; }
  bool hasHost() override { return true; }
  Icons service;
};

// Global hotkeys whose presses a test cannot make (no X server, or the X focus that Wine wants): the
// suite checks what holds without them.
template <class Hotkeys>
struct UnpressedHotkeysOf : GlobalHotkeysSubject {
  GlobalHotkeys& hotkeys() override { return service; }
  bool press(std::uint32_t, std::uint32_t) override { return false; }
  Hotkeys service;
};

// A guard whose other copy is a second guard of the same kind in this process; the backend names a
// free name.
template <class Guard>
struct SecondGuardSubject : InstanceGuardSubject {
  InstanceGuard& guard() override { return service; }
  bool otherCopyClaims(const std::string& name) override {
    other = std::make_unique<Guard>();
    return other->claim(name);
  }
  void otherCopyEnds() override { other.reset(); }
  Guard service;
  std::unique_ptr<Guard> other;
};

}  // namespace lumaro::platform::contract
