#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumaro::platform::linuxos {

// Where a process sits in the control-group hierarchies, from the text of /proc/<pid>/cgroup: its path
// in the unified (version 2) hierarchy, and in the version 1 hierarchy that holds the memory controller.
struct CgroupMembership {
  std::optional<std::string> unified;
  std::optional<std::string> memoryV1;
};

// Lines are "id:controllers:path"; the unified hierarchy has id 0 and no controllers. Lines of any other
// form are skipped.
CgroupMembership parseCgroupMembership(std::string_view text);

// The folders of this process's own groups: its placement is read from "self/cgroup" under procRoot()
// (so that a recorded machine brings its own), the folders lie under cgroupRoot(). The unified
// hierarchy is mounted at the root itself, or at "unified" below it beside the version 1 hierarchies;
// the memory controller's version 1 hierarchy at "memory". A hierarchy that is not there is left out.
struct CgroupFolders {
  std::optional<std::filesystem::path> unifiedRoot;
  std::optional<std::filesystem::path> unified;
  std::optional<std::filesystem::path> memoryV1Root;
  std::optional<std::filesystem::path> memoryV1;
};
CgroupFolders cgroupFoldersOfThisProcess();

}  // namespace lumaro::platform::linuxos
