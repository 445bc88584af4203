#include "system/auto_start.h"

#include "system/registry_values.h"
#include "toolkit/core/error.h"

namespace lumaro::system {

using platform::Autostart;

void WriteRunEntry(Autostart& autostart, const std::string& name, const std::string& value) {
  switch (autostart.writeEntry(name, value)) {
    case Autostart::Result::Written:
      return;
    case Autostart::Result::FolderFailed:
      throw toolkit::Error("Failed to create key " + autostart.folder());
    case Autostart::Result::EntryFailed:
      throw failedToSetData(name);
  }
}

void writeAutoRun(Autostart& autostart, bool checked, const std::string& executablePath) {
  // An unknown path would turn the entry into one that starts nothing: keep the one there is.
  if (checked && executablePath.empty()) throw failedToSetData(kRunEntryName);
  WriteRunEntry(autostart, kRunEntryName, checked ? executablePath : std::string());
}

}  // namespace lumaro::system
