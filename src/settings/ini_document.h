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
  // Lines end with CR LF, LF or a lone CR. Names are compared as code-page text, or as UTF-8 in a
  // file that is UTF-8 (or was UTF-16).
  enum class Names { CodePage, Utf8 };
  explicit IniDocument(std::string bytes, Names names = Names::CodePage);

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
  // The document is the file's bytes, changed in place, with no table of its lines: a file of short
  // lines costs no more than its size, and every read of a setting parses the whole file again, so
  // that a read allocates nothing a line.
  struct Line {
    std::size_t start;
    std::size_t size;
    std::size_t next;  // where the next line starts, after this one's break
  };
  struct Place {
    std::optional<Line> section;  // the header line
    std::optional<Line> key;      // the key's line
    Line last{};                  // the section's last non-blank line
  };
  Place find(std::string_view section, std::string_view key) const;
  // Calls `visit` with each line in turn until it returns false.
  template <class Visit>
  void forEachLine(Visit visit) const;
  std::string_view text(const Line& line) const;

  bool sameName(std::string_view a, std::string_view b) const;

  std::string text_;
  Names names_;
};

}  // namespace lumaro::settings
