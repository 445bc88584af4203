#include "backends/win32/system/file_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "backends/win32/system/temp_folder.h"

namespace lumaro::platform::win32 {
namespace {

using testing::TempFolder;
using Status = FileStore::ReadStatus;

TEST(Win32FileStore, WritesReplaceTheFileWholeInFoldersItMakes) {
  TempFolder temp;
  Win32FileStore store;
  const std::string path = temp.path(L"sub folder\\ção\\Lumaro.ini");
  EXPECT_EQ(store.read(path).status, Status::Missing);
  ASSERT_TRUE(store.write(path, "[TfrmPrincipal]\r\nICONE=1\r\n"));
  ASSERT_TRUE(store.write(path, "short"));
  const auto content = store.read(path);
  EXPECT_EQ(content.status, Status::Read);
  EXPECT_EQ(content.bytes, "short");
  EXPECT_EQ(temp.read(L"sub folder\\ção\\Lumaro.ini"), "short");
  // Nothing but the file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.folder() / L"sub folder" / L"ção"), {}),
            1);
}

TEST(Win32FileStore, AReadOnlyFileIsNeverReplacedAndAHiddenOneStaysHidden) {
  TempFolder temp;
  Win32FileStore store;
  temp.write(L"Lumaro.ini", "old");
  const std::wstring file = (temp.folder() / L"Lumaro.ini").wstring();
  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(store.write(temp.path(L"Lumaro.ini"), "new"));
  EXPECT_EQ(temp.read(L"Lumaro.ini"), "old");
  EXPECT_EQ(temp.entries(), 1u);

  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(store.write(temp.path(L"Lumaro.ini"), "new"));
  EXPECT_EQ(temp.read(L"Lumaro.ini"), "new");
  EXPECT_NE(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(Win32FileStore, AReparsePointIsNeitherFollowedNorReplaced) {
  TempFolder temp;
  temp.write(L"target.ini", "[S]\r\nK=old\r\n");
  const std::wstring link = (temp.folder() / L"Lumaro.ini").wstring();
  const std::wstring target = (temp.folder() / L"target.ini").wstring();
  ::CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
  const DWORD attributes = ::GetFileAttributesW(link.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    GTEST_SKIP() << "symbolic links cannot be made here (no developer mode, or Wine)";
  Win32FileStore store;
  EXPECT_FALSE(store.write(temp.path(L"Lumaro.ini"), "new"));
  EXPECT_EQ(temp.read(L"target.ini"), "[S]\r\nK=old\r\n");
  EXPECT_NE(::GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
  EXPECT_EQ(temp.entries(), 2u);
}

TEST(Win32FileStore, FoldersAndOversizedFilesReadAsFailedNotAsMissing) {
  TempFolder temp;
  Win32FileStore store;
  EXPECT_EQ(store.read(temp.path()).status, Status::Failed);
  {
    std::ofstream big(temp.folder() / L"big.ini", std::ios::binary);
    big.seekp(static_cast<std::streamoff>(Win32FileStore::kMaxFileSize));
    big.put('x');
  }
  const auto content = store.read(temp.path(L"big.ini"));
  EXPECT_EQ(content.status, Status::Failed);
  EXPECT_TRUE(content.bytes.empty());
  EXPECT_EQ(store.read(temp.path(L"no folder\\x.ini")).status, Status::Missing);
}

TEST(Win32FileStore, TheFirstAccessRemovesTemporaryFilesOfEarlierWritesButNotOneInUse) {
  TempFolder temp;
  temp.write(L"Lumaro.ini", "kept");
  temp.write(L".Lumaro.ini.4711.0.tmp", "stale");
  temp.write(L".Lumaro.ini.4712.3.tmp", "in use");
  temp.write(L".other.ini.4711.0.tmp", "another file's");
  const HANDLE inUse = ::CreateFileW((temp.folder() / L".Lumaro.ini.4712.3.tmp").c_str(), GENERIC_WRITE, 0,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
  Win32FileStore store;
  EXPECT_EQ(store.read(temp.path(L"Lumaro.ini")).bytes, "kept");
  ::CloseHandle(inUse);
  EXPECT_FALSE(std::filesystem::exists(temp.folder() / L".Lumaro.ini.4711.0.tmp"));
  EXPECT_TRUE(std::filesystem::exists(temp.folder() / L".Lumaro.ini.4712.3.tmp"));
  EXPECT_TRUE(std::filesystem::exists(temp.folder() / L".other.ini.4711.0.tmp"));
}

TEST(Win32FileStore, TextWithoutAMarkIsInTheSystemsCodePage) {
  Win32FileStore store;
  // The round trip holds in every code page for what it can hold.
  EXPECT_EQ(store.fromCodePage(store.toCodePage("Key=value 123")), "Key=value 123");
  EXPECT_EQ(store.toCodePage(""), "");
  if (GetACP() != 1252) GTEST_SKIP() << "the system's code page is " << GetACP();
  EXPECT_EQ(store.toCodePage("Posição €"), "Posi\xE7\xE3o \x80");
  EXPECT_EQ(store.fromCodePage("Posi\xE7\xE3o \x80"), "Posição €");
  EXPECT_EQ(store.toCodePage("\xE4\xB8\xAD"), "?");  // a character the code page lacks
}

TEST(Win32FileStore, CanCreateInAnExistingWritableFolderOnly) {
  TempFolder temp;
  Win32FileStore store;
  EXPECT_TRUE(store.canCreateIn(temp.path()));
  EXPECT_EQ(temp.entries(), 0u);  // the probe goes with its handle
  EXPECT_FALSE(store.canCreateIn(temp.path(L"missing")));
}

}  // namespace
}  // namespace lumaro::platform::win32
