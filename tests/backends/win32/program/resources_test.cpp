// What lumaro.exe carries besides its code: the icon Explorer shows, the version information its
// properties show, and the help it opens when none lies beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = LoadLibraryExW(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program_, nullptr) << GetLastError();
  }
  void TearDown() override {
    if (program_ != nullptr) FreeLibrary(program_);
  }
  std::wstring versionText(const wchar_t* name) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(kProgram, &ignored));
    if (block.empty() || !GetFileVersionInfoW(kProgram, 0, static_cast<DWORD>(block.size()), block.data()))
      return {};
    void* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &text, &length) || length == 0) return {};
    return static_cast<const wchar_t*>(text);
  }

  static constexpr const wchar_t* kProgram = LUMARO_PROGRAM;
  HMODULE program_ = nullptr;
};

TEST_F(ProgramResources, TheIconComesInTheSizesTheShellAsksFor) {
  for (int size : {16, 32, 48, 256}) {
    const HICON icon =
        static_cast<HICON>(LoadImageW(program_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colours{};
    GetObjectW(info.hbmColor, sizeof colours, &colours);
    EXPECT_EQ(colours.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST_F(ProgramResources, TheVersionInformationNamesTheProgramAndItsVersion) {
  EXPECT_EQ(versionText(L"ProductName"), L"Lumaro");
  EXPECT_EQ(versionText(L"ProductVersion"), LUMARO_VERSION);
  EXPECT_EQ(versionText(L"OriginalFilename"), L"lumaro.exe");
  EXPECT_FALSE(versionText(L"FileDescription").empty());
}

TEST_F(ProgramResources, TheHelpIsCarriedWhole) {
  const HRSRC help = FindResourceW(program_, L"LUMARO.HTML", MAKEINTRESOURCEW(10));
  ASSERT_NE(help, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(program_, help))),
                         SizeofResource(program_, help));
  EXPECT_TRUE(text.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(text.find("administrador"), std::string::npos);
  EXPECT_NE(text.find("</html>"), std::string::npos);
}

}  // namespace
