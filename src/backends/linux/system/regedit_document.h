#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro::platform::linuxos {

// The text of a registry export file in the "REGEDIT4" format: one "[HKEY_LOCAL_MACHINE\<key>]"
// section a key, one "\"<name>\"=dword:0000000a" line a 32-bit value, a blank line after each section.
// Lines it does not change (other values, comments, anything a person added) are written back as they
// were, so that no change ever loses what the file holds.
class RegeditDocument {
 public:
  // Lines end with CR LF or LF. A text that begins with neither the format's first line nor that of
  // the editor's version 5 ("Windows Registry Editor Version 5.00") gets "REGEDIT4".
  explicit RegeditDocument(std::string_view bytes);

  // Sets the value in place when the key's section holds it (names compared without regard to case);
  // otherwise appends it to the section, or appends the section to the text.
  void setDword(std::string_view key, std::string_view name, std::uint32_t value);

  // The text, every line ending with CR LF, as the format's files do.
  std::string bytes() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace lumaro::platform::linuxos
