#pragma once
#include <cstdint>

#include "platform/key_events.h"
#include "platform/session_control.h"

namespace lumaro::system {

// The tray's one-shot commands that end the session. None asks, none reports: every failure is silent.

inline constexpr std::uint32_t kRestartFlags = 6;    // reboot + force
inline constexpr std::uint32_t kShutdownFlags = 13;  // shut down + force + power off
inline constexpr std::uint8_t kVkBack = 8;
inline constexpr std::uint8_t kVkSleep = 0x5F;

// On the NT family first asks for the right to end the session (a refusal is ignored), then ends it
// with `flags` on every family. Answers whether the platform accepted.
bool RequestSystemExit(platform::SessionControl& session, int platformFamily, std::uint32_t flags);

// Backspace, then the keyboard's Sleep key: the desktop decides whether and how to suspend.
void suspendSystem(platform::KeyEvents& keys);

}  // namespace lumaro::system
