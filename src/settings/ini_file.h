#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_store.h"

namespace lumaro::settings {

// One INI file with the private-profile semantics: every call reads the file itself (nothing is kept
// between calls, so a read always sees the writes before it) and every change rewrites it whole.
// Names and values are UTF-8 here; in the file they are in the system's code page (the store's), or
// in the encoding of the file's byte-order mark (UTF-8, UTF-16), which every write keeps.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  IniFile(platform::FileStore& files, std::string path);

  const std::string& path() const { return path_; }

  // The value (at most kMaxValueLength bytes of the file's text), or `defaultValue` when the file, the
  // section or the key is missing, or the file cannot be read.
  std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

  // The value as a decimal or "0x" hexadecimal integer; `defaultValue` when absent or not a number.
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

  // Creates the file, the section or the key as needed. Raises "Unable to write to <path>" when the
  // file cannot be written, and "Unable to read <path>" when it exists but cannot be read (too large,
  // not a file), so that such a file is never replaced by one holding only this key.
  void writeString(std::string_view section, std::string_view key, std::string_view value) const;

  // Key and value pairs, in the order they are to be written.
  using Values = std::vector<std::pair<std::string, std::string>>;
  // Writes the pairs into the section as writeString would one after the other, but replaces the file
  // once, at the end: a failure or a crash leaves the file as it was before, never part of the values.
  void writeStrings(std::string_view section, const Values& values) const;

  // Removes the key when present; a missing key, section or file is not an error, and a file that
  // cannot be read is left alone. A failed write raises as writeString does.
  void deleteKey(std::string_view section, std::string_view key) const;

 private:
  [[noreturn]] void writeFailed() const;

  platform::FileStore& files_;
  std::string path_;
};

}  // namespace lumaro::settings
