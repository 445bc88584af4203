#pragma once
#include <string>

namespace lumaro::platform::linuxos {

bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

// The path without any trailing '/'. The root directory becomes "", which still joins as "" + "/name".
std::string withoutTrailingSeparators(std::string path);

// A path's folder and last name: "/a/b" is "/a" and "b", "/b" is "/" and "b", "b" is "." and "b".
struct FolderAndName {
  std::string folder;
  std::string name;
};
FolderAndName splitPath(const std::string& path);

}  // namespace lumaro::platform::linuxos
