#include "backends/linux/system/system_info.h"

#include <gtest/gtest.h>
#include <locale.h>

#include "backends/linux/system/scoped_env.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;

bool installed(const char* locale) {
  const locale_t probe = ::newlocale(LC_NUMERIC_MASK, locale, static_cast<locale_t>(0));
  if (probe == static_cast<locale_t>(0)) return false;
  ::freelocale(probe);
  return true;
}

TEST(LinuxSystemInfo, IsOfTheNtFamily) {
  EXPECT_EQ(LinuxSystemInfo().platformFamily(), kFamilyNt);
}

TEST(LinuxSystemInfo, CAndUnknownLocalesUseADot) {
  for (const char* locale : {"C", "xx_XX.UTF-8"}) {
    const ScopedEnv all("LC_ALL", locale);
    EXPECT_EQ(LinuxSystemInfo().decimalSeparator(), ".") << locale;
  }
}

TEST(LinuxSystemInfo, ACommaLocaleUsesItsCommaWithoutChangingTheGlobalLocale) {
  const char* comma = installed("pt_BR.UTF-8")   ? "pt_BR.UTF-8"
                      : installed("de_DE.UTF-8") ? "de_DE.UTF-8"
                                                 : nullptr;
  if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const ScopedEnv all("LC_ALL", nullptr);
  const ScopedEnv numeric("LC_NUMERIC", comma);
  const std::string global = ::setlocale(LC_NUMERIC, nullptr);

  EXPECT_EQ(LinuxSystemInfo().decimalSeparator(), ",");
  EXPECT_EQ(::setlocale(LC_NUMERIC, nullptr), global);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
