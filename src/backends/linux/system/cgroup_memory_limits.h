#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backends/linux/system/cgroup_membership.h"

namespace lumaro::platform::linuxos {

// The memory limits of the control groups a process runs in: its own group's and every ancestor's,
// since any of them can start reclaim or the OOM killer. Version 2 groups limit with "memory.max" and
// throttle above "memory.high" against "memory.current"; version 1 groups limit with
// "memory.limit_in_bytes" against "memory.usage_in_bytes".
class CgroupMemoryLimits {
 public:
  CgroupMemoryLimits() = default;
  explicit CgroupMemoryLimits(const CgroupFolders& folders);

  // How many 1 MiB blocks fit below the tightest limit while leaving that group its reserve (as for the
  // machine: the larger of 64 MiB and 5 % of the limit). Nothing when no readable limit applies.
  std::optional<std::uint64_t> blocksAboveReserve();

 private:
  struct Group {
    std::string usage;
    std::vector<std::string> limits;
  };
  void addGroups(const std::filesystem::path& root, const std::filesystem::path& leaf, const char* usage,
                 std::initializer_list<const char*> limits);
  std::optional<std::uint64_t> readBytes(const std::string& file);

  std::vector<Group> groups_;
  std::vector<char> buffer_;
};

}  // namespace lumaro::platform::linuxos
