#pragma once
#include <sys/stat.h>

#include <string>

namespace lumaro::platform::linuxos {

// Who holds what lies at a path, as this process's user sees it.
enum class Holder {
  Nobody,  // nothing is there (or a file stands where a folder should be)
  User,    // this process's user
  Other,   // another user, or it cannot be examined
};

// Who holds `path`; for the user, `status` tells what it is. A symbolic link counts as the user's only
// when it and what it leads to are theirs, and `status` is then the target's: another user's link
// never leads anywhere, nor does one of the user's that leads into another user's hands.
Holder holderOf(const std::string& path, struct stat& status);

// Whether `status` is a folder of this process's user that no other user can write. A sticky
// folder everyone may write (such as /tmp) is shared all the same: others can add files to it.
bool isPrivateFolder(const struct stat& status);

}  // namespace lumaro::platform::linuxos
