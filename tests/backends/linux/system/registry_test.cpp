#include "backends/linux/system/registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "backends/linux/system/file_store.h"
#include "backends/linux/system/regedit_document.h"
#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::TempDir;

constexpr const char* kIdleKey = "System\\CurrentControlSet\\control\\CPUIdle";
constexpr const char* kPagingKey = "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

TEST(RegeditDocument, ANewStoreHoldsTheFormatLineThenOneSectionAKey) {
  RegeditDocument document("");
  document.setDword(kIdleKey, "idle", 1);
  document.setDword(kPagingKey, "DisablePagingExecutive", 0xABCDEF12);
  EXPECT_EQ(document.bytes(),
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\CPUIdle]\r\n"
            "\"idle\"=dword:00000001\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Session Manager\\Memory Management]\r\n"
            "\"DisablePagingExecutive\"=dword:abcdef12\r\n\r\n");
}

TEST(RegeditDocument, ChangesTouchOnlyTheirOwnLineAndKeepWhatAPersonWrote) {
  RegeditDocument document(
      "REGEDIT4\n\n"
      "; kept by hand\n"
      "[hkey_local_machine\\system\\currentcontrolset\\CONTROL\\cpuidle]\n"
      "\"Note\"=\"a \\\"quoted\\\" text\"\n"
      "\"IDLE\"=hex:01,02,\\\n"
      "  03,04\n"
      "\"After\"=dword:00000002\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Other]\n"
      "\"x\"=dword:00000003\n");
  document.setDword(kIdleKey, "idle", 0);  // replaces the two-line value; names keep their spelling
  document.setDword(kIdleKey, "new \"one\"", 7);
  EXPECT_EQ(document.bytes(),
            "REGEDIT4\r\n\r\n"
            "; kept by hand\r\n"
            "[hkey_local_machine\\system\\currentcontrolset\\CONTROL\\cpuidle]\r\n"
            "\"Note\"=\"a \\\"quoted\\\" text\"\r\n"
            "\"IDLE\"=dword:00000000\r\n"
            "\"After\"=dword:00000002\r\n"
            "\"new \\\"one\\\"\"=dword:00000007\r\n"
            "\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
            "\"x\"=dword:00000003\r\n");
}

TEST(RegeditDocument, TextThatIsNotAnExportKeepsItsLinesBelowTheFormatLine) {
  RegeditDocument document("garbage\x01\r\nmore");
  document.setDword(kIdleKey, "idle", 1);
  EXPECT_EQ(document.bytes(),
            "REGEDIT4\r\n\r\ngarbage\x01\r\nmore\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\CPUIdle]\r\n"
            "\"idle\"=dword:00000001\r\n\r\n");
}

TEST(RegeditRegistry, WritesTheFileInTheWindowsDirectoryCreatingIt) {
  const TempDir dir;
  LinuxFileStore files;
  RegeditRegistry registry(files, dir.path() + "/windows dir");
  EXPECT_EQ(registry.path(), dir.path() + "/windows dir/registry.reg");
  ASSERT_TRUE(registry.setDword(kIdleKey, "idle", 1));
  ASSERT_TRUE(registry.setDword(kIdleKey, "idle", 0));
  EXPECT_EQ(files.read(registry.path()).bytes,
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\CPUIdle]\r\n"
            "\"idle\"=dword:00000000\r\n\r\n");
}

// Little-endian UTF-16 with its mark, as the editor's version 5 writes its files.
std::string utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(RegeditRegistry, AFileKeepsItsOwnFirstLineAndEncoding) {
  const TempDir dir;
  LinuxFileStore files;
  RegeditRegistry registry(files, dir.path());
  const std::u16string head =
      u"Windows Registry Editor Version "
      u"5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Café]\r\n\"é\"=\"\U0001F600\"\r\n";
  const std::u16string idle = u"\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\CPUIdle]\r\n";
  dir.write("registry.reg", utf16File(head));
  ASSERT_TRUE(registry.setDword(kIdleKey, "idle", 1));
  EXPECT_EQ(files.read(registry.path()).bytes, utf16File(head + idle + u"\"idle\"=dword:00000001\r\n\r\n"));

  // A mark in front of the 8-bit format's first line stays, and the line is not doubled.
  const std::string utf8 = "\xEF\xBB\xBFREGEDIT4\r\n";
  dir.write("registry.reg", utf8);
  ASSERT_TRUE(registry.setDword(kIdleKey, "idle", 1));
  EXPECT_EQ(files.read(registry.path()).bytes,
            utf8 +
                "\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\control\\CPUIdle]\r\n"
                "\"idle\"=dword:00000001\r\n\r\n");
}

TEST(RegeditRegistry, AFileThatIsNotTheUtf16ItClaimsIsLeftAlone) {
  const TempDir dir;
  LinuxFileStore files;
  RegeditRegistry registry(files, dir.path());
  const std::string loneSurrogate = utf16File(u"REGEDIT4\r\n") + std::string("\x00\xD8", 2);
  for (const std::string& broken : {utf16File(u"REGEDIT4") + "\x41", loneSurrogate}) {
    dir.write("registry.reg", broken);
    EXPECT_FALSE(registry.setDword(kIdleKey, "idle", 1));
    EXPECT_EQ(files.read(registry.path()).bytes, broken);
  }
}

TEST(RegeditRegistry, AStoreThatCannotBeReadOrWrittenRefusesAndStaysAsItWas) {
  const TempDir dir;
  LinuxFileStore files;
  std::filesystem::create_directories(dir.path() + "/unreadable/registry.reg");
  EXPECT_FALSE(RegeditRegistry(files, dir.path() + "/unreadable").setDword(kIdleKey, "idle", 1));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/unreadable/registry.reg"));

  // A Windows directory below a regular file can never be made, even by root.
  dir.write("file", "");
  EXPECT_FALSE(RegeditRegistry(files, dir.path() + "/file/windows").setDword(kIdleKey, "idle", 1));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
