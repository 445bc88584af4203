#include "backends/linux/system/restore_request.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace lumaro::platform::linuxos {

namespace {
constexpr timeval kTimeout{0, 500'000};
}  // namespace

std::string_view wordOf(RestoreChannel::Request request) {
  switch (request) {
    case RestoreChannel::Request::Optimize:
      return "optimize";
    case RestoreChannel::Request::Restore:
      break;
  }
  return "restore";
}

std::optional<RestoreChannel::Request> requestOfWord(std::string_view word) {
  for (const RestoreChannel::Request request :
       {RestoreChannel::Request::Restore, RestoreChannel::Request::Optimize})
    if (word == wordOf(request)) return request;
  return std::nullopt;
}

bool sendRestoreRequest(const std::string& path, RestoreChannel::Request request) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (descriptor < 0) return false;
  // Bounds the connect (a full backlog) as well as the write.
  ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &kTimeout, sizeof kTimeout);
  std::string line(wordOf(request));
  line += '\n';
  const bool sent =
      ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      ::send(descriptor, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size());
  ::close(descriptor);
  return sent;
}

}  // namespace lumaro::platform::linuxos
