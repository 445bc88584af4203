#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/instance_guard.h"

namespace lumaro::platform::linuxos {

// The restore socket's words: a connection carries one line, the word of one request.
std::string_view wordOf(RestoreChannel::Request request);
// The request a received line (its line break and surrounding blanks already trimmed) names; nothing for
// any other word, which the listener ignores.
std::optional<RestoreChannel::Request> requestOfWord(std::string_view word);

// Sends one request to the socket at `path`, waiting at most half a second to connect and to write, so
// that a hung listener cannot hang the caller. False when nobody listens there. Needs no toolkit, so
// that a command can ask the running copy without a display.
bool sendRestoreRequest(const std::string& path, RestoreChannel::Request request);

}  // namespace lumaro::platform::linuxos
