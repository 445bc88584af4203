#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace lumaro::platform::linuxos::testing {

// A fresh directory, removed with its contents at the end of the scope.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumaro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() { std::filesystem::remove_all(path_); }

  const std::string& path() const { return path_; }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ + "/" + name) << text;
  }

 private:
  std::string path_;
};

}  // namespace lumaro::platform::linuxos::testing
