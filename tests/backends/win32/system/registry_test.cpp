#include "backends/win32/system/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "backends/win32/system/autostart.h"
#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {
namespace {

// A key of this test's own below HKEY_CURRENT_USER, deleted before and after.
class ScratchKey {
 public:
  explicit ScratchKey(std::wstring name) : name_(L"Software\\Lumaro tests\\" + std::move(name)) { remove(); }
  ~ScratchKey() { remove(); }
  std::string path() const { return narrow(name_); }
  std::optional<DWORD> dword(const std::wstring& sub, const std::wstring& value) const {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegGetValueW(HKEY_CURRENT_USER, (name_ + sub).c_str(), value.c_str(), RRF_RT_REG_DWORD, nullptr,
                       &data, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return data;
  }
  std::optional<std::wstring> string(const std::wstring& value) const {
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    if (::RegGetValueW(HKEY_CURRENT_USER, name_.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, data,
                       &size) != ERROR_SUCCESS)
      return std::nullopt;
    return data;
  }

 private:
  void remove() const { ::RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str()); }
  std::wstring name_;
};

TEST(Win32Registry, SetsADwordInAKeyItCreatesAndOverwritesIt) {
  const ScratchKey key(L"registry");
  Win32Registry registry(HKEY_CURRENT_USER);
  ASSERT_TRUE(registry.setDword(key.path() + "\\System\\CurrentControlSet\\control\\CPUIdle", "idle", 1));
  EXPECT_EQ(key.dword(L"\\System\\CurrentControlSet\\control\\CPUIdle", L"idle"), 1u);
  // Names compare without regard to case: the same value is overwritten.
  ASSERT_TRUE(registry.setDword(key.path() + "\\SYSTEM\\currentcontrolset\\Control\\cpuidle", "IDLE", 0));
  EXPECT_EQ(key.dword(L"\\System\\CurrentControlSet\\control\\CPUIdle", L"idle"), 0u);
}

TEST(Win32Registry, ARefusedKeyIsAFailureAndChangesNothing) {
  // Wine grants every registry access; a root that is no longer open is refused everywhere.
  const ScratchKey key(L"refused");
  ASSERT_TRUE(Win32Registry(HKEY_CURRENT_USER).setDword(key.path(), "made", 1));
  HKEY closed = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, widen(key.path()).c_str(), 0, KEY_READ, &closed),
            ERROR_SUCCESS);
  ::RegCloseKey(closed);
  EXPECT_FALSE(Win32Registry(closed).setDword("", "idle", 1));
  EXPECT_FALSE(Win32Registry(closed).setDword("System", "idle", 1));
  EXPECT_EQ(RunKeyAutostart(closed, "Run").writeEntry("Lumaro", "C:\\lumaro.exe"),
            Autostart::Result::FolderFailed);
  EXPECT_EQ(key.dword(L"", L"idle"), std::nullopt);
}

TEST(RunKeyAutostart, WritesTheEntryQuotedWhenItHoldsBlanksAndEmptyToStartNothing) {
  const ScratchKey key(L"Run");
  RunKeyAutostart autostart(HKEY_CURRENT_USER, key.path());
  EXPECT_EQ(autostart.writeEntry("Lumaro", "C:\\Programas\\Lumaro\\lumaro.exe"), Autostart::Result::Written);
  EXPECT_EQ(key.string(L"Lumaro"), L"C:\\Programas\\Lumaro\\lumaro.exe");
  EXPECT_EQ(autostart.writeEntry("Lumaro", "C:\\Arquivos de programas\\Otimização\\lumaro.exe"),
            Autostart::Result::Written);
  EXPECT_EQ(key.string(L"Lumaro"), L"\"C:\\Arquivos de programas\\Otimização\\lumaro.exe\"");
  EXPECT_EQ(autostart.writeEntry("Lumaro", ""), Autostart::Result::Written);
  EXPECT_EQ(key.string(L"Lumaro"), L"");
  EXPECT_EQ(RunKeyAutostart().folder(),
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

}  // namespace
}  // namespace lumaro::platform::win32
