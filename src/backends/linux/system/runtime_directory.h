#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// Whether `path` is a folder of this process's user that no other user can write. A symbolic link
// counts only when `followLinks` is set.
bool isPrivateFolder(const std::string& path, bool followLinks);

// Where the per-session lock and socket live, without a trailing separator: $XDG_RUNTIME_DIR when it is
// a private folder; else "lumaro-<uid>" in the temporary folder ($TMPDIR, else /tmp), created with mode
// 0700; else, when another user holds that name, "lumaro/runtime" in $XDG_CONFIG_HOME. A folder another user
// owns or can write is never used, so nobody else can stop or steer the program through it. Empty
// when none of them can be had.
std::string runtimeDirectory();

// Points XDG_RUNTIME_DIR at runtimeDirectory() when it does not already name a private folder, so that
// the toolkit finds one too instead of warning. Call before any thread starts.
void exportRuntimeDirectory();

}  // namespace lumaro::platform::linuxos
