#pragma once

namespace lumaro::platform::win32 {

// Makes the toolkit's system colours the user's own (GetSysColor), so that every control, page and
// caption follows the user's scheme, a dark or high-contrast one included. Called at start and again
// when the system says the colours changed (WM_SYSCOLORCHANGE).
void followUserColors();

}  // namespace lumaro::platform::win32
