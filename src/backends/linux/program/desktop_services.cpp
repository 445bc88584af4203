#include "backends/linux/program/desktop_services.h"

namespace lumaro::platform::linuxos {

Services DesktopServices::services() {
  return servicesOf(*this, pacedMemory);
}

}  // namespace lumaro::platform::linuxos
