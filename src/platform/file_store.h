#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform {

// Whole-file access for the program's own text files (the settings file, "system.ini").
class FileStore {
 public:
  enum class ReadStatus { Read, Missing, Failed };
  struct Content {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
  };

  virtual ~FileStore() = default;

  // The whole file. Missing when neither the file nor its folder exists; Failed when it exists but
  // cannot be read, so that a writer never mistakes an unreadable file for an empty one.
  virtual Content read(const std::string& path) = 0;

  // Replaces the file as a whole: the bytes go to a temporary file in the same folder, which is then
  // renamed over the old one, so a crash leaves either the old or the new file, never a mix. Missing
  // folders are created. False when it cannot be written; the old file is then unchanged.
  virtual bool write(const std::string& path, std::string_view bytes) = 0;

  // Whether this process may create files in the folder (an existing, writable folder).
  virtual bool canCreateIn(const std::string& directory) = 0;

  // The system's code page, in which text files without a byte-order mark are kept: such bytes as
  // UTF-8, and UTF-8 as such bytes ('?' for what the code page has no character for).
  virtual std::string fromCodePage(std::string_view bytes) = 0;
  virtual std::string toCodePage(std::string_view text) = 0;
};

}  // namespace lumaro::platform
