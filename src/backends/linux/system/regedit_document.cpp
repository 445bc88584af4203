#include "backends/linux/system/regedit_document.h"

#include <algorithm>
#include <cstdio>

#include "backends/linux/system/text_scan.h"

namespace lumaro::platform::linuxos {

namespace {

constexpr std::string_view kFirstLine = "REGEDIT4";
// The first line of the editor's later format, which a file may carry instead.
constexpr std::string_view kVersion5FirstLine = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRoot = "HKEY_LOCAL_MACHINE\\";

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` begins with `prefix`, letters compared without regard to case.
bool startsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                    [](char a, char b) { return lower(a) == lower(b); });
}

std::string_view trimmed(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool isBlank(std::string_view line) {
  return trimmed(line).empty();
}

bool isSectionHeader(std::string_view line) {
  return trimmed(line).starts_with('[');
}

// A value of several lines (binary data) ends each line but its last with a backslash.
bool continues(std::string_view line) {
  return trimmed(line).ends_with('\\');
}

// A value name as the format writes it: in double quotes, with backslashes and quotes escaped.
std::string quotedName(std::string_view name) {
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string dwordText(std::uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
  return std::string("dword:") + digits;
}

}  // namespace

RegeditDocument::RegeditDocument(std::string_view bytes) {
  while (!bytes.empty()) {
    std::string_view line = takeLine(bytes);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines_.emplace_back(line);
  }
  if (lines_.empty() ||
      (trimmed(lines_.front()) != kFirstLine && trimmed(lines_.front()) != kVersion5FirstLine)) {
    lines_.insert(lines_.begin(), {std::string(kFirstLine), std::string()});
  }
}

void RegeditDocument::setDword(std::string_view key, std::string_view name, std::uint32_t value) {
  const std::string header = '[' + std::string(kRoot) + std::string(key) + ']';
  const std::string valueStart = quotedName(name) + '=';

  const auto section = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& each) {
    const std::string_view text = trimmed(each);
    return text.size() == header.size() && startsWithText(text, header);
  });
  if (section == lines_.end()) {
    if (!isBlank(lines_.back())) lines_.emplace_back();
    lines_.insert(lines_.end(), {header, valueStart + dwordText(value), std::string()});
    return;
  }
  const auto end = std::find_if(section + 1, lines_.end(), isSectionHeader);
  auto insertAt = section + 1;
  for (auto it = section + 1; it != end; ++it) {
    const std::string_view text = trimmed(*it);
    if (startsWithText(text, valueStart)) {
      auto next = it + 1;
      for (bool more = continues(*it); more && next != end; ++next) more = continues(*next);
      // The name keeps the spelling the file gives it.
      *it = std::string(text.substr(0, valueStart.size())) + dwordText(value);
      lines_.erase(it + 1, next);
      return;
    }
    if (!text.empty()) insertAt = it + 1;
  }
  lines_.insert(insertAt, valueStart + dwordText(value));
}

std::string RegeditDocument::bytes() const {
  std::size_t size = 0;
  for (const auto& line : lines_) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace lumaro::platform::linuxos
