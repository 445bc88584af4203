#pragma once
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32::testing {

// A fresh folder in the temporary folder, removed with its contents (read-only ones too) at the end
// of the scope. path() is UTF-8 in the system's own form ("C:\users\...\Temp\lumaro-...").
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    folder_ =
        std::filesystem::temp_directory_path() /
        (L"lumaro test " + std::to_wstring(::GetCurrentProcessId()) + L"." + std::to_wstring(counter++));
    std::filesystem::create_directories(folder_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
      ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  const std::filesystem::path& folder() const { return folder_; }
  std::string path() const { return narrow(folder_.wstring()); }
  std::string path(const std::wstring& name) const { return narrow((folder_ / name).wstring()); }
  void write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  std::string read(const std::wstring& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_), {}));
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace lumaro::platform::win32::testing
