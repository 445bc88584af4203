#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform::linuxos {

// Creates the folder and any missing parents (mode 0700, as the XDG folders ask). True when it
// exists afterwards.
bool makeDirectories(const std::string& folder);

// Replaces the file's content as a whole. The bytes go to an unnamed temporary file in the same
// folder, are flushed to disk, and only then get the file's name in one rename: readers, a crash or
// kill -9 see the old file or the new one, never a part or a mix. Missing folders are created; the
// old file's permissions are kept; a symbolic link is followed, so the link stays. A file this process
// may not write, or one without any write permission (made read-only, which holds for root too), is
// not replaced. False on any failure, with the old file unchanged and no temporary file left behind.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that writes of `path` by processes that no longer run left beside it
// (a kill at the wrong moment); the file itself and anything else in the folder stay.
void removeStaleTemporaryFiles(const std::string& path);

}  // namespace lumaro::platform::linuxos
