#include "backends/win32/desktop/user_colors.h"

#include <windows.h>

#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::win32 {

void followUserColors() {
  toolkit::SystemScheme scheme = toolkit::classicScheme();
  for (std::size_t index = 0; index < scheme.size(); ++index) {
    // A COLORREF is 0x00BBGGRR, the toolkit's own layout. Index 25 has no colour of its own.
    if (index != 25)
      scheme[index] = static_cast<toolkit::Color>(GetSysColor(static_cast<int>(index)) & 0xFFFFFF);
  }
  toolkit::setSystemScheme(scheme);
}

}  // namespace lumaro::platform::win32
