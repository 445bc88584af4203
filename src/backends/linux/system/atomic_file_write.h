#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform::linuxos {

// Creates the folder and any missing parents (mode 0700, as the XDG folders ask). True when it
// exists afterwards.
bool makeDirectories(const std::string& folder);

// Replaces the file's content as a whole. The bytes go to an unnamed temporary file in the same
// folder, are flushed to disk, and only then get the file's name in one rename: readers, a crash or
// kill -9 see the old file or the new one, never a part or a mix. Missing folders are created.
// Only what no other user can decide is written (see trustedPlace): a regular file of the running
// user's, or a new one, in a folder no other user may write, reached through links of the user's own,
// which stay. The new file keeps the old one's permission bits but never a set-id or sticky bit; a new
// one gets what the umask leaves of 0666. A file its owner may not write, or one without any write
// permission (made read-only, which holds for root too), is not replaced. False on any failure, with
// the old file unchanged and no temporary file left behind.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that writes of `path` by processes that no longer run left beside it
// (a kill at the wrong moment): regular files of the running user's in a folder the write would use.
// The file itself and anything else in the folder stay.
void removeStaleTemporaryFiles(const std::string& path);

}  // namespace lumaro::platform::linuxos
