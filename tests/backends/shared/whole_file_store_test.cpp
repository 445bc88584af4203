#include "backends/shared/whole_file_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace lumaro::platform {
namespace {

using ::testing::ElementsAre;
using Status = FileStore::ReadStatus;

// A file as the backend would hand it over: its size as the system tells it, then its bytes and
// `filler` more 'x' in chunks of at most `chunk`, failing after `failAfter` bytes when that is set.
struct ScriptedFile {
  std::optional<std::uint64_t> size;
  std::string bytes;
  std::size_t chunk = 1000;
  std::optional<std::size_t> failAfter;
  std::size_t filler = 0;
};

class ScriptedStore : public WholeFileStore {
 public:
  std::map<std::string, ScriptedFile> files;
  std::set<std::string> unopenable;
  std::vector<std::string> tidied;
  std::vector<std::string> replaced;
  bool replaceSucceeds = true;
  int chunksRead = 0;

  bool canCreateIn(const std::string&) override { return true; }

 protected:
  Opened open(const std::string& path) override {
    if (unopenable.contains(path)) return {Status::Failed, {}};
    const auto found = files.find(path);
    if (found == files.end()) return {Status::Missing, {}};
    return {Status::Read, std::make_unique<Reader>(found->second, chunksRead)};
  }
  bool replace(const std::string& path, std::string_view) override {
    replaced.push_back(path);
    return replaceSucceeds;
  }
  void removeLeftovers(const std::string& path) override { tidied.push_back(path); }

 private:
  class Reader : public OpenFile {
   public:
    Reader(const ScriptedFile& file, int& chunks) : file_(file), chunks_(chunks) {}
    std::optional<std::uint64_t> size() override { return file_.size; }
    std::optional<std::size_t> readSome(char* buffer, std::size_t room) override {
      ++chunks_;
      if (file_.failAfter && at_ >= *file_.failAfter) return std::nullopt;
      const std::size_t got = std::min({room, file_.chunk, file_.bytes.size() + file_.filler - at_});
      for (std::size_t i = 0; i < got; ++i, ++at_)
        buffer[i] = at_ < file_.bytes.size() ? file_.bytes[at_] : 'x';
      return got;
    }

   private:
    const ScriptedFile& file_;
    int& chunks_;
    std::size_t at_ = 0;
  };
};

TEST(WholeFileStore, ReadsTheWholeFileInChunksOrNothingWhenAnyPartFails) {
  ScriptedStore store;
  const std::string text = std::string("[S]\r\nK=\0v\r\n", 11) + std::string(150000, 'x');
  store.files["whole.ini"] = {text.size(), text, 7000, std::nullopt, 0};
  store.files["broken.ini"] = {text.size(), text, 7000, 20000, 0};
  store.files["device"] = {std::nullopt, "endless", 1000, std::nullopt, 0};  // no plain file
  store.unopenable.insert("locked.ini");

  const auto whole = store.read("whole.ini");
  EXPECT_EQ(whole.status, Status::Read);
  EXPECT_EQ(whole.bytes, text);
  for (const std::string path : {"broken.ini", "device", "locked.ini"}) {
    const auto failed = store.read(path);
    EXPECT_EQ(failed.status, Status::Failed) << path;
    EXPECT_EQ(failed.bytes, "") << path;  // never a part that could be taken for the whole
  }
  EXPECT_EQ(store.read("absent.ini").status, Status::Missing);
}

TEST(WholeFileStore, AFileTooLargeToBeSettingsFailsUnreadAndOneThatGrowsWhileReadFails) {
  ScriptedStore store;
  store.files["huge.ini"] = {WholeFileStore::kMaxFileSize + 1, "x", 1000, std::nullopt, 0};
  EXPECT_EQ(store.read("huge.ini").status, Status::Failed);
  EXPECT_EQ(store.chunksRead, 0);

  // Its size said small, but more came than a settings file can hold.
  store.files["growing.ini"] = {10, "", 1u << 20, std::nullopt, WholeFileStore::kMaxFileSize + 1};
  const auto grown = store.read("growing.ini");
  EXPECT_EQ(grown.status, Status::Failed);
  EXPECT_EQ(grown.bytes, "");

  store.files["limit.ini"] = {WholeFileStore::kMaxFileSize, "", 1u << 20, std::nullopt,
                              WholeFileStore::kMaxFileSize};
  EXPECT_EQ(store.read("limit.ini").status, Status::Read);
}

TEST(WholeFileStore, AFileTooLargeToBeReadBackIsNeverWritten) {
  ScriptedStore store;
  std::string bytes;
  bytes.reserve(WholeFileStore::kMaxFileSize + 1);
  bytes.resize(WholeFileStore::kMaxFileSize, '\n');
  EXPECT_TRUE(store.write("Lumaro.ini", bytes));
  bytes.push_back('\n');
  EXPECT_FALSE(store.write("Lumaro.ini", bytes));
  EXPECT_THAT(store.replaced, ElementsAre("Lumaro.ini"));
}

TEST(WholeFileStore, TheFirstReadOrWriteOfEachFileTidiesItsLeftoversOnce) {
  ScriptedStore store;
  store.files["Lumaro.ini"] = {0, "", 1000, std::nullopt, 0};
  store.read("Lumaro.ini");
  store.read("Lumaro.ini");
  EXPECT_TRUE(store.write("Lumaro.ini", "a"));
  EXPECT_TRUE(store.write("system.ini", "b"));
  store.replaceSucceeds = false;
  EXPECT_FALSE(store.write("system.ini", "c"));
  store.read("absent.ini");
  EXPECT_THAT(store.tidied, ElementsAre("Lumaro.ini", "system.ini", "absent.ini"));
  EXPECT_THAT(store.replaced, ElementsAre("Lumaro.ini", "system.ini", "system.ini"));
}

}  // namespace
}  // namespace lumaro::platform
