#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/file_store.h"

namespace lumaro::platform {

// The part of a file store that is the same on every system: the first access to each file (at
// start-up) removes what an interrupted write of it left behind, and a read takes the whole file or,
// when it fails or the file is too large to be a settings file, nothing. A backend supplies the calls
// that open, read and replace one file.
class WholeFileStore : public FileStore {
 public:
  // Larger files are not settings files: they read as Failed, so that they are never rewritten, and
  // are never written either.
  static constexpr std::size_t kMaxFileSize = 64u << 20;

  Content read(const std::string& path) final;
  bool write(const std::string& path, std::string_view bytes) final;
  // Windows-1252, unless the system says otherwise.
  std::string fromCodePage(std::string_view bytes) override;
  std::string toCodePage(std::string_view text) override;

  // A file opened for reading, closed when it goes.
  class OpenFile {
   public:
    virtual ~OpenFile() = default;
    // Its size; none when it is no plain file or its size cannot be had.
    virtual std::optional<std::uint64_t> size() = 0;
    // Reads up to `room` bytes into `buffer`: how many (0 at the end), or none when reading failed.
    virtual std::optional<std::size_t> readSome(char* buffer, std::size_t room) = 0;
  };
  // The file opened, or why not: Missing or Failed, as FileStore::read tells them apart.
  struct Opened {
    ReadStatus status = ReadStatus::Failed;
    std::unique_ptr<OpenFile> file;
  };

 protected:
  virtual Opened open(const std::string& path) = 0;
  // Replaces the file as FileStore::write says.
  virtual bool replace(const std::string& path, std::string_view bytes) = 0;
  // Removes the temporary files that writes of the file which did not end left beside it.
  virtual void removeLeftovers(const std::string& path) = 0;

 private:
  void tidyOnce(const std::string& path);

  std::set<std::string> tidied_;
};

}  // namespace lumaro::platform
