#include "backends/linux/system/system_info.h"

#include <langinfo.h>
#include <locale.h>

namespace lumaro::platform::linuxos {

std::optional<int> LinuxSystemInfo::platformFamily() {
  return kFamilyNt;
}

std::string LinuxSystemInfo::decimalSeparator() {
  const locale_t userLocale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) return ".";
  std::string radix = ::nl_langinfo_l(RADIXCHAR, userLocale);
  ::freelocale(userLocale);
  return radix.empty() ? "." : radix;
}

}  // namespace lumaro::platform::linuxos
