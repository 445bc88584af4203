#include "settings/ini_document.h"

#include <algorithm>
#include <cstring>

#include "settings/cp1252.h"
#include "toolkit/drawing/text.h"

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

IniDocument::IniDocument(std::string bytes, Names names) : text_(std::move(bytes)), names_(names) {}

// Cases are compared as characters, not as bytes.
bool IniDocument::sameName(std::string_view a, std::string_view b) const {
  if (names_ == Names::Utf8) return toolkit::sameText(a, b);
  return toolkit::sameText(cp1252ToUtf8(a), cp1252ToUtf8(b));
}

template <class Visit>
void IniDocument::forEachLine(Visit visit) const {
  // The next CR and the next LF, each looked for again only once a line has passed it: the library's
  // search is quick in every build, and a file of bare CRs (or bare LFs) is still read in one pass.
  const auto after = [this](std::size_t from, char c) {
    const void* found =
        from < text_.size() ? std::memchr(text_.data() + from, c, text_.size() - from) : nullptr;
    return found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data())
                            : text_.size();
  };
  std::size_t nextCr = after(0, '\r');
  std::size_t nextLf = after(0, '\n');
  for (std::size_t start = 0; start < text_.size();) {
    if (nextCr < start) nextCr = after(start, '\r');
    if (nextLf < start) nextLf = after(start, '\n');
    const std::size_t end = std::min(nextCr, nextLf);
    std::size_t next = end;
    if (end < text_.size())
      next += text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1;
    if (!visit(Line{start, end - start, next})) return;
    start = next;
  }
}

std::string_view IniDocument::text(const Line& line) const {
  return std::string_view(text_).substr(line.start, line.size);
}

IniDocument::Place IniDocument::find(std::string_view section, std::string_view key) const {
  Place place;
  forEachLine([&](const Line& line) {
    std::string_view name;
    const std::string_view lineText = text(line);
    if (sectionHeader(lineText, name)) {
      // Only the first section of that name counts.
      if (place.section) return false;
      if (sameName(name, section)) {
        place.section = line;
        place.last = line;
      }
      return true;
    }
    if (!place.section) return true;
    if (!trimBlanks(lineText).empty()) place.last = line;
    std::string_view lineKey;
    std::string_view lineValue;
    if (!place.key && keyLine(lineText, lineKey, lineValue) && sameName(lineKey, key)) place.key = line;
    return true;
  });
  return place;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const Place place = find(section, key);
  if (!place.key) return std::nullopt;
  std::string_view lineKey;
  std::string_view value;
  keyLine(text(*place.key), lineKey, value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  const Place place = find(section, key);
  if (place.key) {
    // The key keeps the spelling the file gives it.
    std::string_view lineKey;
    std::string_view oldValue;
    keyLine(text(*place.key), lineKey, oldValue);
    text_.replace(place.key->start, place.key->size, std::string(lineKey) + '=' + withoutLineBreaks(value));
    return;
  }
  const std::string entry = withoutLineBreaks(key) + '=' + withoutLineBreaks(value);
  if (place.section) {
    const Line& last = place.last;
    // After the line's break; the last line of a file may have none.
    if (last.next > last.start + last.size)
      text_.insert(last.next, entry + "\r\n");
    else
      text_.insert(last.next, "\r\n" + entry);
    return;
  }
  if (!text_.empty() && text_.back() != '\r' && text_.back() != '\n') text_ += "\r\n";
  text_ += '[' + withoutLineBreaks(section) + "]\r\n" + entry + "\r\n";
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
  const Place place = find(section, key);
  if (!place.key) return false;
  const std::size_t start = place.key->start;
  text_.erase(start, place.key->next - start);
  // A lone CR before the line must not pair with an LF after it: the two breaks stay two.
  if (start > 0 && text_[start - 1] == '\r' && start < text_.size() && text_[start] == '\n')
    text_.insert(start, 1, '\n');
  return true;
}

std::string IniDocument::bytes() const {
  std::size_t size = 0;
  forEachLine([&size](const Line& line) {
    size += line.size + 2;
    return true;
  });
  std::string out;
  out.reserve(size);
  forEachLine([this, &out](const Line& line) {
    out += text(line);
    out += "\r\n";
    return true;
  });
  return out;
}

}  // namespace lumaro::settings
