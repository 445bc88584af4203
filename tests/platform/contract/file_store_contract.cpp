#include "platform/contract/file_store_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FileStoreContract);

using Status = FileStore::ReadStatus;

const std::string kOld("[S]\r\nK=a longer old value\r\n\0tail", 32);

TEST_P(FileStoreContract, AWriteReplacesTheWholeFileByteForByte) {
  FileStore& store = subject().store();
  const std::string path = subject().pathOf("Lumaro.ini");
  ASSERT_TRUE(store.write(path, kOld));
  const auto old = store.read(path);
  EXPECT_EQ(old.status, Status::Read);
  EXPECT_EQ(old.bytes, kOld);

  ASSERT_TRUE(store.write(path, "short"));
  EXPECT_EQ(store.read(path).bytes, "short");
  ASSERT_TRUE(store.write(path, ""));
  const auto empty = store.read(path);
  EXPECT_EQ(empty.status, Status::Read);
  EXPECT_EQ(empty.bytes, "");
}

TEST_P(FileStoreContract, AWriteCreatesMissingFolders) {
  FileStore& store = subject().store();
  const std::string path = subject().pathOf("new folder/deeper/system.ini");
  ASSERT_TRUE(store.write(path, "[386enh]\r\n"));
  EXPECT_EQ(store.read(path).bytes, "[386enh]\r\n");
  EXPECT_TRUE(store.canCreateIn(subject().pathOf("new folder/deeper")));
}

TEST_P(FileStoreContract, AMissingFileOrFolderReadsAsMissing) {
  FileStore& store = subject().store();
  EXPECT_EQ(store.read(subject().pathOf("absent.ini")).status, Status::Missing);
  EXPECT_EQ(store.read(subject().pathOf("absent/absent.ini")).status, Status::Missing);
}

TEST_P(FileStoreContract, AnUnreadableFileReadsAsFailedNotAsEmpty) {
  const std::string path = subject().pathOf("Lumaro.ini");
  ASSERT_TRUE(subject().store().write(path, kOld));
  if (!subject().makeUnreadable(path)) GTEST_SKIP() << "an unreadable file cannot be arranged here";
  const auto content = subject().store().read(path);
  EXPECT_EQ(content.status, Status::Failed);
  EXPECT_EQ(content.bytes, "");
}

TEST_P(FileStoreContract, AFileThatMayNotBeReplacedRefusesTheWriteAndStaysWhole) {
  FileStore& store = subject().store();
  const std::string path = subject().pathOf("Lumaro.ini");
  ASSERT_TRUE(store.write(path, kOld));
  if (!subject().makeReadOnly(path)) GTEST_SKIP() << "a read-only file cannot be arranged here";
  EXPECT_FALSE(store.write(path, "new"));
  EXPECT_EQ(store.read(path).bytes, kOld);
}

TEST_P(FileStoreContract, FilesCanBeCreatedInAnExistingWritableFolder) {
  EXPECT_TRUE(subject().store().canCreateIn(subject().folder()));
}

}  // namespace
}  // namespace lumaro::platform::contract
