#include "backends/linux/system/text_scan.h"

#include <charconv>

namespace lumaro::platform::linuxos {

std::string_view takeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

std::optional<std::uint64_t> takeNumber(std::string_view& text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return std::nullopt;
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [next, error] = std::from_chars(text.data() + start, end, value);
  if (error != std::errc{}) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(next - text.data()));
  return value;
}

}  // namespace lumaro::platform::linuxos
