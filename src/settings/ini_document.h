#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro::settings {

// The lines of an INI file, read and changed with the private-profile rules. It works on the file's
// bytes, so that any file (binary garbage included) reads without harm and every line it does not
// change is written back as it was.
class IniDocument {
 public:
  // Lines end with CR LF, LF or a lone CR.
  explicit IniDocument(std::string_view bytes);

  // The value of `key` in `section` (both matched case-insensitively, the first match counts), with
  // surrounding blanks and one pair of enclosing matching quotes removed. Nothing when absent.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  // Replaces an existing key's value in place; appends a new key at the end of its section, and a
  // missing section at the end of the file. Line breaks in the value become blanks, so that a value
  // can never add lines of its own.
  void set(std::string_view section, std::string_view key, std::string_view value);

  // Removes the key's line; false when there was none.
  bool remove(std::string_view section, std::string_view key);

  // The file's bytes, every line ending with CR LF.
  std::string bytes() const;

 private:
  // Every line is a stretch of one buffer: the file's bytes, then the text of each line a change
  // wrote. Reading a file costs one copy and no allocation a line, which matters because every read
  // of a setting parses the whole file again.
  struct Line {
    std::size_t start;
    std::size_t size;
  };
  struct Place {
    std::optional<std::size_t> section;  // the header line
    std::optional<std::size_t> key;      // the key's line
    std::size_t sectionEnd = 0;          // after the section's last non-blank line
  };
  Place find(std::string_view section, std::string_view key) const;
  std::string_view line(std::size_t index) const;
  // Adds a line's text to the buffer.
  Line stored(std::string_view text);

  std::string text_;
  std::vector<Line> lines_;
};

}  // namespace lumaro::settings
