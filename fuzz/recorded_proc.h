#pragma once
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace lumaro::fuzz {

// A recorded /proc folder of one file for the whole fuzzing run, pointed to by LUMARO_PROC_DIR, so
// that the program's own readers read the input from a file as they read the kernel's.
class RecordedProc {
 public:
  explicit RecordedProc(const std::string& fileName) {
    // In memory: rewriting a file for every input on a disk file system would cost a flush each time.
    std::string folder = "/dev/shm/lumaro-fuzz-proc-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) std::abort();
    ::setenv("LUMARO_PROC_DIR", folder.c_str(), 1);
    folder_ = folder;
    path_ = folder + '/' + fileName;
  }
  RecordedProc(const RecordedProc&) = delete;
  RecordedProc& operator=(const RecordedProc&) = delete;
  ~RecordedProc() {
    ::unlink(path_.c_str());
    ::rmdir(folder_.c_str());
  }

  void hold(std::string_view bytes) const {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::close(fd);
  }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace lumaro::fuzz
