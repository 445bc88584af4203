#include "settings/ini_document.h"

#include <algorithm>

#include "toolkit/text.h"

namespace lumaro::settings {

namespace {

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "[name]": the name between the bracket and the first closing bracket (or the end), trimmed.
bool sectionHeader(std::string_view line, std::string_view& name) {
  line = trimBlanks(line);
  if (line.empty() || line.front() != '[') return false;
  line.remove_prefix(1);
  name = trimBlanks(line.substr(0, line.find(']')));
  return true;
}

// "key=value": both sides of the first equals sign, trimmed.
bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  key = trimBlanks(line.substr(0, equals));
  value = trimBlanks(line.substr(equals + 1));
  return true;
}

std::string withoutLineBreaks(std::string_view text) {
  std::string out(text);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return out;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) : text_(bytes) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines_.push_back(Line{start, i - start});
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines_.push_back(Line{start, bytes.size() - start});
}

std::string_view IniDocument::line(std::size_t index) const {
  return std::string_view(text_).substr(lines_[index].start, lines_[index].size);
}

IniDocument::Line IniDocument::stored(std::string_view text) {
  const Line added{text_.size(), text.size()};
  text_ += text;
  return added;
}

IniDocument::Place IniDocument::find(std::string_view section, std::string_view key) const {
  Place place;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    const std::string_view text = line(i);
    if (sectionHeader(text, name)) {
      // Only the first section of that name counts.
      if (place.section) break;
      if (toolkit::sameText(name, section)) {
        place.section = i;
        place.sectionEnd = i + 1;
      }
      continue;
    }
    if (!place.section) continue;
    if (!trimBlanks(text).empty()) place.sectionEnd = i + 1;
    std::string_view lineKey;
    std::string_view lineValue;
    if (!place.key && keyLine(text, lineKey, lineValue) && toolkit::sameText(lineKey, key)) place.key = i;
  }
  return place;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const Place place = find(section, key);
  if (!place.key) return std::nullopt;
  std::string_view lineKey;
  std::string_view text;
  keyLine(line(*place.key), lineKey, text);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  const Place place = find(section, key);
  if (place.key) {
    // The key keeps the spelling the file gives it.
    std::string_view lineKey;
    std::string_view oldValue;
    keyLine(line(*place.key), lineKey, oldValue);
    lines_[*place.key] = stored(std::string(lineKey) + '=' + withoutLineBreaks(value));
    return;
  }
  const std::string entry = withoutLineBreaks(key) + '=' + withoutLineBreaks(value);
  if (place.section) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), stored(entry));
    return;
  }
  lines_.push_back(stored('[' + withoutLineBreaks(section) + ']'));
  lines_.push_back(stored(entry));
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
  const Place place = find(section, key);
  if (!place.key) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*place.key));
  return true;
}

std::string IniDocument::bytes() const {
  std::size_t size = 0;
  for (const Line& each : lines_) size += each.size + 2;
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    out += line(i);
    out += "\r\n";
  }
  return out;
}

}  // namespace lumaro::settings
