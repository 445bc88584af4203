#include "backends/win32/system/file_store.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "backends/win32/system/atomic_file_write.h"
#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

namespace {

std::filesystem::path nativePath(const std::string& path) {
  return std::filesystem::path(widen(path));
}

class HandleFile : public WholeFileStore::OpenFile {
 public:
  explicit HandleFile(HANDLE file) : file_(file) {}
  ~HandleFile() override { ::CloseHandle(file_); }
  HandleFile(const HandleFile&) = delete;
  HandleFile& operator=(const HandleFile&) = delete;

  std::optional<std::uint64_t> size() override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::optional<std::size_t> readSome(char* buffer, std::size_t room) override {
    DWORD got = 0;
    const auto asked = static_cast<DWORD>(std::min<std::size_t>(room, std::numeric_limits<DWORD>::max()));
    if (!::ReadFile(file_, buffer, asked, &got, nullptr)) return std::nullopt;
    return got;
  }

 private:
  HANDLE file_;
};

}  // namespace

WholeFileStore::Opened Win32FileStore::open(const std::string& path) {
  // Shared every way: an editor that holds the file open must not make it read as missing.
  const HANDLE file = ::CreateFileW(nativePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return Opened{missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
  }
  return Opened{ReadStatus::Read, std::make_unique<HandleFile>(file)};
}

bool Win32FileStore::replace(const std::string& path, std::string_view bytes) {
  return writeFileAtomically(nativePath(path), bytes);
}

void Win32FileStore::removeLeftovers(const std::string& path) {
  removeStaleTemporaryFiles(nativePath(path));
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

std::string Win32FileStore::fromCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(
      static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
  return narrow(wide);
}

std::string Win32FileStore::toCodePage(std::string_view text) {
  const std::wstring wide = widen(text);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // With UTF-8 as the system's code page (an option of Windows 10 and later) every character has
  // bytes, and the call refuses a replacement character.
  const char* replacement = ::GetACP() == CP_UTF8 ? nullptr : "?";
  std::string bytes(static_cast<std::size_t>(::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0,
                                                                   replacement, nullptr)),
                    '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                        replacement, nullptr);
  return bytes;
}

}  // namespace lumaro::platform::win32
