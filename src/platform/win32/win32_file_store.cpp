#include "platform/win32/win32_file_store.h"

#include <windows.h>

#include "platform/win32/atomic_file_write.h"
#include "platform/win32/unicode.h"

namespace lumaro::platform::win32 {

namespace {

std::filesystem::path nativePath(const std::string& path) {
  return std::filesystem::path(widen(path));
}

}  // namespace

void Win32FileStore::tidyOnce(const std::string& path) {
  if (tidied_.insert(path).second) removeStaleTemporaryFiles(nativePath(path));
}

FileStore::Content Win32FileStore::read(const std::string& path) {
  tidyOnce(path);
  // Shared every way: an editor that holds the file open must not make it read as missing.
  const HANDLE file = ::CreateFileW(nativePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return Content{missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
  }
  Content content{ReadStatus::Read, {}};
  LARGE_INTEGER size{};
  // A file known to be too large is refused before a byte of it is read.
  if (!::GetFileSizeEx(file, &size) || static_cast<std::uint64_t>(size.QuadPart) > kMaxFileSize)
    content.status = ReadStatus::Failed;
  char buffer[65536];
  while (content.status == ReadStatus::Read) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr) ||
        content.bytes.size() + got > kMaxFileSize) {
      content.status = ReadStatus::Failed;
    } else if (got == 0) {
      break;
    } else {
      content.bytes.append(buffer, got);
    }
  }
  ::CloseHandle(file);
  if (content.status != ReadStatus::Read) content.bytes.clear();
  return content;
}

bool Win32FileStore::write(const std::string& path, std::string_view bytes) {
  tidyOnce(path);
  return writeFileAtomically(nativePath(path), bytes);
}

bool Win32FileStore::canCreateIn(const std::string& directory) {
  // Permissions on Windows are lists that only the attempt reads right: make a file that goes with
  // its handle.
  const std::filesystem::path probe =
      nativePath(directory) / (L".lumaro." + std::to_wstring(::GetCurrentProcessId()) + L".probe");
  const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

}  // namespace lumaro::platform::win32
