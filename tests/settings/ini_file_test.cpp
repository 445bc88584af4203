#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "backends/fake/fake_file_store.h"
#include "toolkit/core/error.h"

namespace lumaro::settings {
namespace {

constexpr const char* kPath = "/opt/lumaro/Lumaro.ini";

class IniFileTest : public ::testing::Test {
 protected:
  void given(std::string bytes) { store.files[kPath] = std::move(bytes); }
  const std::string& bytes() { return store.files[kPath]; }
  std::string read(const char* section, const char* key) const {
    return ini.readString(section, key, "<default>");
  }

  platform::fake::FakeFileStore store;
  IniFile ini{store, kPath};
};

TEST_F(IniFileTest, ReadsWithThePrivateProfileRules) {
  given(
      "[Other]\r\nKey=other\r\n"
      "[ tfrmprincipal ]\r\n"
      "  Spaced  =  value with blanks  \r\n"
      "Double=\"quoted\"\r\n"
      "Single='quoted'\r\n"
      "Twice=\"\"twice\"\"\r\n"
      "Mixed=\"mixed'\r\n"
      "Lone=\"\r\n"
      "Empty=\r\n"
      "Key=first\r\n"
      "KEY=second\r\n"
      "no equals sign\r\n"
      "[TfrmPrincipal]\r\nLater=ignored\r\n");
  EXPECT_EQ(read("TfrmPrincipal", "spaced"), "value with blanks");
  EXPECT_EQ(read("TfrmPrincipal", "Double"), "quoted");
  EXPECT_EQ(read("TfrmPrincipal", "Single"), "quoted");
  EXPECT_EQ(read("TfrmPrincipal", "Twice"), "\"twice\"");
  EXPECT_EQ(read("TfrmPrincipal", "Mixed"), "\"mixed'");
  EXPECT_EQ(read("TfrmPrincipal", "Lone"), "\"");
  EXPECT_EQ(read("TfrmPrincipal", "Empty"), "");
  EXPECT_EQ(read("TfrmPrincipal", "key"), "first");
  EXPECT_EQ(read("Other", "Key"), "other");
  // Absent key, a line without "=", a second section of the same name, a missing section.
  EXPECT_EQ(read("TfrmPrincipal", "Missing"), "<default>");
  EXPECT_EQ(read("TfrmPrincipal", "no equals sign"), "<default>");
  EXPECT_EQ(read("TfrmPrincipal", "Later"), "<default>");
  EXPECT_EQ(read("Nowhere", "Key"), "<default>");
}

TEST_F(IniFileTest, NamesWithAccentsMatchTheirOtherCaseInTheCodePage) {
  // "[SEÇÃO]" and "Posição=", in Windows-1252 bytes.
  given("[SE\xC7\xC3O]\r\nPosi\xE7\xE3o=1\r\n");
  EXPECT_EQ(read("seção", "POSIÇÃO"), "1");
  EXPECT_EQ(read("SECAO", "Posição"), "<default>");  // an accent is not its letter
  ini.writeString("Seção", "POSIÇÃO", "2");
  EXPECT_EQ(bytes(), "[SE\xC7\xC3O]\r\nPosi\xE7\xE3o=2\r\n");
}

TEST_F(IniFileTest, AFileSavedAsUtf8WithAMarkIsReadAsUtf8AndKeepsItsMark) {
  given("\xEF\xBB\xBF[Se\xC3\xA7\xC3\xA3o]\r\nPosi\xC3\xA7\xC3\xA3o=l\xC3\xA1\r\n");
  EXPECT_EQ(read("SEÇÃO", "posição"), "lá");
  ini.writeString("Seção", "Nova", "ação €");
  ini.writeString("Seção", "Posição", "cá");
  EXPECT_EQ(bytes(),
            "\xEF\xBB\xBF[Se\xC3\xA7\xC3\xA3o]\r\nPosi\xC3\xA7\xC3\xA3o=c\xC3\xA1\r\n"
            "Nova=a\xC3\xA7\xC3\xA3o \xE2\x82\xAC\r\n");
  ini.deleteKey("Seção", "Nova");
  EXPECT_EQ(bytes(), "\xEF\xBB\xBF[Se\xC3\xA7\xC3\xA3o]\r\nPosi\xC3\xA7\xC3\xA3o=c\xC3\xA1\r\n");
}

TEST_F(IniFileTest, AUtf16FileIsReadAndWrittenAsUtf16) {
  // "[386Enh]", "Key=ç" and a line of a character outside the basic plane, as the profile functions
  // of Windows write them.
  const std::string before(
      "\xFF\xFE[\0003\0008\0006\0E\0n\0h\0]\0\r\0\n\0K\0e\0y\0=\0\xE7\0\r\0\n\0"
      "x\0=\0\x3D\xD8\x00\xDE\r\0\n\0",
      48);
  given(before);
  EXPECT_EQ(read("386enh", "KEY"), "ç");
  EXPECT_EQ(read("386Enh", "x"), "\xF0\x9F\x98\x80");
  ini.writeString("386Enh", "Key", "ã");
  EXPECT_EQ(bytes(), std::string(before).replace(30, 1, "\xE3"));
  ini.writeString("386Enh", "New", "1");
  EXPECT_EQ(bytes(),
            std::string(before).replace(30, 1, "\xE3") + std::string("N\0e\0w\0=\0001\0\r\0\n\0", 14));
}

TEST_F(IniFileTest, MissingOrUnreadableFilesGiveTheDefault) {
  EXPECT_EQ(read("S", "K"), "<default>");
  given("[S]\r\nK=v\r\n");
  store.unreadable.insert(kPath);
  EXPECT_EQ(read("S", "K"), "<default>");
  EXPECT_EQ(ini.readInteger("S", "K", 7), 7);
}

TEST_F(IniFileTest, LineEndsMayBeLfOrALoneCr) {
  given("[S]\nA=1\nB=2\rC=3\r\n\rD=4");
  EXPECT_EQ(read("S", "A"), "1");
  EXPECT_EQ(read("S", "B"), "2");
  EXPECT_EQ(read("S", "C"), "3");
  EXPECT_EQ(read("S", "D"), "4");
  ini.writeString("S", "B", "two");
  EXPECT_EQ(bytes(), "[S]\r\nA=1\r\nB=two\r\nC=3\r\n\r\nD=4\r\n");
}

TEST_F(IniFileTest, ChangesKeepEveryOtherLineWhateverItsEnd) {
  given("[S]\nA=1\rK=2\n\nB=3\r[T]\nX=1");
  ini.deleteKey("S", "K");         // between a lone CR and a blank line: both lines stay
  ini.writeString("T", "Y", "2");  // after a last line without an end
  EXPECT_EQ(bytes(), "[S]\r\nA=1\r\n\r\nB=3\r\n[T]\r\nX=1\r\nY=2\r\n");
  given("[S]\rA=1");
  ini.writeString("U", "Z", "3");
  EXPECT_EQ(bytes(), "[S]\r\nA=1\r\n[U]\r\nZ=3\r\n");
}

TEST_F(IniFileTest, IntegersAreDecimalOrHexadecimalElseTheDefault) {
  given("[S]\r\nA=-1\r\nB=0x10\r\nC=12abc\r\nD=\r\nE=99999999999\r\n");
  EXPECT_EQ(ini.readInteger("S", "A", 5), -1);
  EXPECT_EQ(ini.readInteger("S", "B", 5), 16);
  EXPECT_EQ(ini.readInteger("S", "C", 5), 5);
  EXPECT_EQ(ini.readInteger("S", "D", 5), 5);
  EXPECT_EQ(ini.readInteger("S", "E", 5), 5);
  EXPECT_EQ(ini.readInteger("S", "Absent", 5), 5);
}

TEST_F(IniFileTest, ALongUtf8ValueIsCutBeforeACharacterNotInsideIt) {
  std::string accents;
  for (int i = 0; i < 1500; ++i) accents += "\xC3\xA7";
  given("\xEF\xBB\xBF[S]\r\nK=ab" + accents + "\r\n");
  // "ab" and 1022 "ç" take 2046 bytes; the next "ç" would end past 2047.
  EXPECT_EQ(read("S", "K"), "ab" + accents.substr(0, 2044));
}

TEST_F(IniFileTest, ValuesAreCutAt2047Characters) {
  given("[S]\r\nLong=" + std::string(3000, 'x') + "\r\nAccented=" + std::string(2046, 'a') + "\xE9\xE9\r\n");
  EXPECT_EQ(read("S", "Long"), std::string(2047, 'x'));
  // Characters, not UTF-8 bytes: the 2047th is the first accented letter.
  EXPECT_EQ(read("S", "Accented"), std::string(2046, 'a') + "é");
}

TEST_F(IniFileTest, AMissingFileIsCreatedWithTheSection) {
  ini.writeString("TfrmPrincipal", "ICONE", "0");
  EXPECT_EQ(bytes(), "[TfrmPrincipal]\r\nICONE=0\r\n");
}

TEST_F(IniFileTest, WritesReplaceInPlaceAppendToTheSectionOrAppendTheSection) {
  given("; kept\r\n[A]\r\nOne=1\r\ntwo=2\r\n\r\n[B]\r\nThree=3\r\n");
  ini.writeString("a", "TWO", "deux");      // in place, keeping the file's spelling
  ini.writeString("A", "Four", "4");        // at the end of [A], before the blank line
  ini.writeString("C", "Five", "Memória");  // a new section at the end, in the file's code page
  EXPECT_EQ(bytes(),
            "; kept\r\n[A]\r\nOne=1\r\ntwo=deux\r\nFour=4\r\n\r\n[B]\r\nThree=3\r\n"
            "[C]\r\nFive=Mem\xF3ria\r\n");
  EXPECT_EQ(read("C", "Five"), "Memória");
}

TEST_F(IniFileTest, SeveralValuesGoInOneWriteWithTheRulesOfOneWriteEach) {
  given("; kept\r\n[A]\r\nOne=1\r\n\r\n[B]\r\nThree=3\r\n");
  ini.writeStrings("a", {{"ONE", "un"}, {"New", "x"}, {"new", "y"}, {"Text", "a\r\nb"}});
  EXPECT_EQ(store.writes, 1);
  EXPECT_EQ(bytes(), "; kept\r\n[A]\r\nOne=un\r\nNew=y\r\nText=a  b\r\n\r\n[B]\r\nThree=3\r\n");

  store.readOnlyFolders.insert("/opt/lumaro");
  EXPECT_THROW(ini.writeStrings("A", {{"One", "1"}, {"Two", "2"}}), toolkit::Error);
  EXPECT_EQ(read("A", "One"), "un");  // none of them, not the first ones
}

TEST_F(IniFileTest, EveryCallGoesToTheFile) {
  ini.writeString("S", "K", "1");
  given("[S]\r\nK=changed elsewhere\r\n");
  EXPECT_EQ(read("S", "K"), "changed elsewhere");
  ini.writeString("S", "Other", "x");
  EXPECT_EQ(bytes(), "[S]\r\nK=changed elsewhere\r\nOther=x\r\n");
}

TEST_F(IniFileTest, AValueCannotAddLinesOfItsOwn) {
  ini.writeString("S", "Text", "a\r\n[Evil]\r\nICONE=9");
  EXPECT_EQ(bytes(), "[S]\r\nText=a  [Evil]  ICONE=9\r\n");
  EXPECT_EQ(read("Evil", "ICONE"), "<default>");
}

TEST_F(IniFileTest, DeletingRemovesTheLineAndAbsenceIsNoError) {
  given("[S]\r\nA=1\r\nB=2\r\n");
  ini.deleteKey("s", "a");
  EXPECT_EQ(bytes(), "[S]\r\nB=2\r\n");
  const int writes = store.writes;
  ini.deleteKey("S", "A");
  ini.deleteKey("Nowhere", "B");
  EXPECT_EQ(store.writes, writes);  // nothing to change, nothing written
  platform::fake::FakeFileStore empty;
  EXPECT_NO_THROW(IniFile(empty, kPath).deleteKey("S", "A"));
  EXPECT_TRUE(empty.files.empty());
}

TEST_F(IniFileTest, AFailedWriteRaisesWithThePathAndKeepsTheFile) {
  given("[S]\r\nA=1\r\n");
  store.readOnlyFolders.insert("/opt/lumaro");
  try {
    ini.writeString("S", "A", "2");
    FAIL() << "no error";
  } catch (const toolkit::Error& error) {
    EXPECT_STREQ(error.what(), "Unable to write to /opt/lumaro/Lumaro.ini");
  }
  EXPECT_THROW(ini.deleteKey("S", "A"), toolkit::Error);
  EXPECT_EQ(bytes(), "[S]\r\nA=1\r\n");
}

TEST_F(IniFileTest, AnUnreadableFileIsNeverReplaced) {
  given("[S]\r\nA=1\r\n");
  store.unreadable.insert(kPath);
  try {
    ini.writeString("S", "B", "2");
    FAIL() << "no error";
  } catch (const toolkit::Error& error) {
    EXPECT_STREQ(error.what(), "Unable to read /opt/lumaro/Lumaro.ini");
  }
  EXPECT_EQ(store.writes, 0);
}

TEST_F(IniFileTest, BinaryGarbageReadsAsNothingAndSurvivesAWrite) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
  // Lines are kept as they are; only their ends become CR LF.
  garbage.erase(std::remove_if(garbage.begin(), garbage.end(), [](char c) { return c == '\r' || c == '\n'; }),
                garbage.end());
  given(garbage);
  EXPECT_EQ(read("TfrmPrincipal", "ICONE"), "<default>");
  ini.writeString("TfrmPrincipal", "ICONE", "0");
  EXPECT_EQ(bytes(), garbage + "\r\n[TfrmPrincipal]\r\nICONE=0\r\n");
  EXPECT_EQ(read("TfrmPrincipal", "ICONE"), "0");
}

TEST_F(IniFileTest, ATenMegabyteLineIsCutOnReadAndKeptWhole) {
  const std::string huge(10 << 20, 'm');
  given("[S]\r\nHuge=" + huge + "\r\n");
  EXPECT_EQ(read("S", "Huge").size(), IniFile::kMaxValueLength);
  ini.writeString("S", "Small", "1");
  EXPECT_EQ(bytes(), "[S]\r\nHuge=" + huge + "\r\nSmall=1\r\n");
}

}  // namespace
}  // namespace lumaro::settings
