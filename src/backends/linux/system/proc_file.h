#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro::platform::linuxos {

// Enough for any small kernel file (meminfo, a control group's figures); a longer one is garbled.
inline constexpr std::size_t kSmallFileLimit = 64 << 10;

// Reads a whole file of at most `limit` bytes into `buffer`, opening and closing it, for files read
// now and then. The buffer grows when the file does not fit and never shrinks, so reading the same
// file again allocates nothing. The view points into the buffer; nothing when the file cannot be
// opened or read, or is longer than the limit.
std::optional<std::string_view> readWholeFile(const char* path, std::vector<char>& buffer,
                                              std::size_t limit = kSmallFileLimit);

// One /proc file, read again from its start whenever asked. A file of the kernel's stays open
// between reads, so that a tick costs a seek and a read instead of an open and a close; any other
// file (a recorded machine under LUMARO_PROC_DIR) is opened for every read, so that it can be
// replaced meanwhile. A file that cannot be opened now is tried again at the next read.
class ProcFile {
 public:
  // `limit`: the most bytes a read takes. A longer file counts as unreadable, so that no file, not
  // even one that never ends, can grow the process.
  ProcFile(std::string path, std::size_t limit);
  ProcFile(const ProcFile&) = delete;
  ProcFile& operator=(const ProcFile&) = delete;
  ~ProcFile();

  // The whole file; the view points into a buffer that grows up to the limit and never shrinks, so
  // reading a file of the same size again allocates nothing. Nothing when the file cannot be opened
  // or read, or is longer than the limit.
  std::optional<std::string_view> read();

 private:
  bool open();
  void close();

  std::string path_;
  std::size_t limit_;
  int fd_ = -1;
  bool keptOpen_ = false;
  std::vector<char> buffer_;
};

}  // namespace lumaro::platform::linuxos
