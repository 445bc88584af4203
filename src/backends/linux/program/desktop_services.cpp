#include "platform/linux/desktop_services.h"

namespace lumaro::platform::qt {

Services DesktopServices::services() {
  return servicesOf(*this, pacedMemory);
}

}  // namespace lumaro::platform::qt
