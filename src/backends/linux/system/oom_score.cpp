#include "backends/linux/system/oom_score.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>

namespace lumaro::platform::linuxos {

namespace {

// Always the real /proc: this is the process's own setting, not a reading of the machine.
constexpr const char* kPath = "/proc/self/oom_score_adj";
constexpr int kHighest = 1000;

std::optional<int> readScore() {
  const int fd = ::open(kPath, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  char text[16];
  const ssize_t got = ::read(fd, text, sizeof text);
  ::close(fd);
  int score = 0;
  if (got <= 0 || std::from_chars(text, text + got, score).ec != std::errc{}) return std::nullopt;
  return score;
}

void writeScore(int score) {
  const int fd = ::open(kPath, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  char text[16];
  const auto end = std::to_chars(text, text + sizeof text, score).ptr;
  [[maybe_unused]] const ssize_t written = ::write(fd, text, static_cast<std::size_t>(end - text));
  ::close(fd);
}

}  // namespace

void OomScoreBoost::raise() {
  saved_ = readScore();
  if (saved_) writeScore(kHighest);
}

void OomScoreBoost::restore() {
  if (saved_) writeScore(*saved_);
  saved_.reset();
}

}  // namespace lumaro::platform::linuxos
