#include "backends/linux/system/cgroup_membership.h"

#include <vector>

#include "backends/linux/system/cgroup_root.h"
#include "backends/linux/system/proc_file.h"
#include "backends/linux/system/proc_root.h"
#include "backends/linux/system/text_scan.h"

namespace lumaro::platform::linuxos {

namespace {

bool listsController(std::string_view controllers, std::string_view wanted) {
  while (!controllers.empty()) {
    const std::size_t comma = controllers.find(',');
    if (controllers.substr(0, comma) == wanted) return true;
    controllers.remove_prefix(comma == std::string_view::npos ? controllers.size() : comma + 1);
  }
  return false;
}

std::optional<std::filesystem::path> unifiedMount(const std::filesystem::path& root) {
  std::error_code error;
  for (const auto& mount : {root, root / "unified"}) {
    if (std::filesystem::exists(mount / "cgroup.controllers", error)) return mount;
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> below(const std::optional<std::filesystem::path>& mount,
                                           const std::optional<std::string>& path) {
  if (!mount || !path) return std::nullopt;
  std::error_code error;
  auto folder = (*mount / std::filesystem::path(*path).relative_path()).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();  // the root group: no trailing separator
  if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
  return folder;
}

}  // namespace

CgroupMembership parseCgroupMembership(std::string_view text) {
  CgroupMembership membership;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
    if (second == std::string_view::npos) continue;
    const std::string_view id = line.substr(0, first);
    const std::string_view controllers = line.substr(first + 1, second - first - 1);
    const std::string_view path = line.substr(second + 1);
    if (path.empty() || path.front() != '/') continue;
    if (id == "0" && controllers.empty()) {
      membership.unified = std::string(path);
    } else if (listsController(controllers, "memory")) {
      membership.memoryV1 = std::string(path);
    }
  }
  return membership;
}

CgroupFolders cgroupFoldersOfThisProcess() {
  std::vector<char> buffer;
  const auto text = readWholeFile((procRoot() + "/self/cgroup").c_str(), buffer);
  if (!text) return {};
  const CgroupMembership membership = parseCgroupMembership(*text);
  const std::filesystem::path root = cgroupRoot();
  CgroupFolders folders;
  folders.unifiedRoot = unifiedMount(root);
  folders.unified = below(folders.unifiedRoot, membership.unified);
  if (std::error_code error; std::filesystem::is_directory(root / "memory", error))
    folders.memoryV1Root = root / "memory";
  folders.memoryV1 = below(folders.memoryV1Root, membership.memoryV1);
  return folders;
}

}  // namespace lumaro::platform::linuxos
