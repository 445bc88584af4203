#include "backends/win32/system/atomic_file_write.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <system_error>

namespace lumaro::platform::win32 {

namespace {

std::wstring temporaryPrefix(const std::filesystem::path& target) {
  return L"." + target.filename().wstring() + L".";
}

std::filesystem::path temporaryPath(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  return target.parent_path() / (temporaryPrefix(target) + std::to_wstring(::GetCurrentProcessId()) + L"." +
                                 std::to_wstring(counter++) + L".tmp");
}

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The temporary file of one write; removed again unless it was moved over the target.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& target) {
    for (int attempt = 0; attempt < 100 && file_ == INVALID_HANDLE_VALUE; ++attempt) {
      path_ = temporaryPath(target);
      file_ =
          ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file_ == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    close();
    if (!moved_) ::DeleteFileW(path_.c_str());
  }

  bool write(std::string_view bytes) {
    return file_ != INVALID_HANDLE_VALUE && writeAll(file_, bytes) && ::FlushFileBuffers(file_) && close();
  }

  // `old`: the attributes of the file replaced, INVALID_FILE_ATTRIBUTES for a new one.
  bool moveOver(const std::filesystem::path& target, DWORD old) {
    // A hidden or system settings file stays so; the read-only one never gets here.
    if (old != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesW(path_.c_str(), old);
    moved_ = ::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved_;
  }

 private:
  bool close() {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = ::CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }

  std::filesystem::path path_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool moved_ = false;
};

// What is never replaced: a read-only file, a folder, and a reparse point (a symbolic link or a
// junction), which is neither followed nor replaced by a file.
constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

}  // namespace

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  if (error) return false;
  // The attributes of the name itself: a link's own, not those of what it points to.
  const DWORD old = ::GetFileAttributesW(target.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & kKept) != 0) return false;
  TempFile temp(target);
  return temp.write(bytes) && temp.moveOver(target, old);
}

void removeStaleTemporaryFiles(const std::filesystem::path& target) {
  const std::wstring pattern = (target.parent_path() / (temporaryPrefix(target) + L"*.tmp")).wstring();
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    // One that a live write holds open fails with a sharing violation and stays; only plain files
    // are ours.
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0)
      ::DeleteFileW((target.parent_path() / found.cFileName).c_str());
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

}  // namespace lumaro::platform::win32
