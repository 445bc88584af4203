#include "backends/linux/system/cgroup_memory_limits.h"

#include <algorithm>

#include "backends/linux/system/proc_file.h"
#include "backends/linux/system/text_scan.h"
#include "backends/shared/commit_reserve.h"
#include "platform/memory.h"

namespace lumaro::platform::linuxos {

CgroupMemoryLimits::CgroupMemoryLimits(const CgroupFolders& folders) {
  if (folders.unifiedRoot && folders.unified)
    addGroups(*folders.unifiedRoot, *folders.unified, "memory.current", {"memory.max", "memory.high"});
  if (folders.memoryV1Root && folders.memoryV1)
    addGroups(*folders.memoryV1Root, *folders.memoryV1, "memory.usage_in_bytes", {"memory.limit_in_bytes"});
}

void CgroupMemoryLimits::addGroups(const std::filesystem::path& root, const std::filesystem::path& leaf,
                                   const char* usage, std::initializer_list<const char*> limits) {
  // From the mount point down to the process's own group.
  std::filesystem::path folder = root;
  const auto add = [&] {
    Group group{(folder / usage).string(), {}};
    for (const char* limit : limits) group.limits.push_back((folder / limit).string());
    groups_.push_back(std::move(group));
  };
  add();
  for (const auto& part : leaf.lexically_relative(root)) {
    if (part.empty() || part == ".") continue;
    folder /= part;
    add();
  }
}

std::optional<std::uint64_t> CgroupMemoryLimits::readBytes(const std::string& file) {
  // "max" (no limit), a missing file (the root group has none) and garbage all read as no figure.
  auto text = readWholeFile(file.c_str(), buffer_);
  if (!text) return std::nullopt;
  const auto value = takeNumber(*text);
  if (!value || (!text->empty() && text->front() != '\n')) return std::nullopt;
  return value;
}

std::optional<std::uint64_t> CgroupMemoryLimits::blocksAboveReserve() {
  std::optional<std::uint64_t> fitting;
  for (const Group& group : groups_) {
    std::optional<std::uint64_t> usage;
    for (const std::string& file : group.limits) {
      const auto limit = readBytes(file);
      if (!limit) continue;
      if (!usage) usage = readBytes(group.usage);
      if (!usage) break;
      const std::uint64_t room = *limit > *usage ? *limit - *usage : 0;
      const std::uint64_t reserve = reserveBelow(*limit);
      const std::uint64_t blocks = room > reserve ? (room - reserve) / Memory::kBlockSize : 0;
      fitting = std::min(fitting.value_or(blocks), blocks);
    }
  }
  return fitting;
}

}  // namespace lumaro::platform::linuxos
