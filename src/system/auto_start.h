#pragma once
#include <string>

#include "platform/autostart.h"

namespace lumaro::system {

inline constexpr const char* kRunEntryName = "Lumaro";

// Writes the start-with-the-desktop entry `name` with `value` (the executable's full path, or empty
// to start nothing while keeping the entry). Raises "Failed to create key <folder>" when the entries'
// folder cannot be made, and "Failed to set data for '<name>'" when the entry cannot be written.
void WriteRunEntry(platform::Autostart& autostart, const std::string& name, const std::string& value);

// The entry for the auto-run check box: the executable's path when checked, empty when not. Checked
// with the path unknown (empty), the entry stays as it is and "Failed to set data for 'Lumaro'" is
// raised.
void writeAutoRun(platform::Autostart& autostart, bool checked, const std::string& executablePath);

}  // namespace lumaro::system
