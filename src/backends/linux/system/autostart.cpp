#include "backends/linux/system/autostart.h"

#include <algorithm>

#include "backends/linux/system/atomic_file_write.h"
#include "backends/linux/system/desktop_entry.h"
#include "backends/linux/system/xdg_dirs.h"

namespace lumaro::platform::linuxos {

Autostart::Result XdgAutostart::writeEntry(const std::string& name, const std::string& command) {
  const std::string where = folder();
  if (!makeDirectories(where)) return Result::FolderFailed;
  std::string fileName = name;
  std::transform(fileName.begin(), fileName.end(), fileName.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  const bool written =
      writeFileAtomically(where + '/' + fileName + ".desktop", autostartDesktopEntry(name, command));
  return written ? Result::Written : Result::EntryFailed;
}

std::string XdgAutostart::folder() {
  return xdgConfigHome() + "/autostart";
}

}  // namespace lumaro::platform::linuxos
