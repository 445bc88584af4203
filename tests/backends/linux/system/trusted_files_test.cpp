// The file store's policy over every file type and owner: what another user can own, write or link
// is never read or replaced, and a write never hands out a set-id bit or more permission.
#include "backends/linux/system/trusted_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "backends/linux/system/atomic_file_write.h"
#include "backends/linux/system/file_store.h"
#include "backends/linux/system/temp_dir.h"
#include "backends/linux/system/unprivileged.h"

namespace lumaro::platform::linuxos {
namespace {

namespace fs = std::filesystem;
using testing::inUnprivilegedChild;
using testing::TempDir;
using Status = FileStore::ReadStatus;

constexpr uid_t kNobody = 65534;

bool isRoot() {
  return ::geteuid() == 0;
}

// All that a write could change at a path: what it is, its mode and owner, and its content or target.
struct Snapshot {
  mode_t mode = 0;
  uid_t owner = 0;
  std::string content;
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return {};
  Snapshot shot{info.st_mode, info.st_uid, {}};
  if (S_ISLNK(info.st_mode)) {
    shot.content = fs::read_symlink(path).string();
  } else if (S_ISREG(info.st_mode)) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    shot.content = text.str();
  }
  return shot;
}

mode_t modeOf(const std::string& path) {
  return snapshot(path).mode & 07777;
}

// Runs `check` in a child that is ended when it takes longer than a few seconds: false then.
bool endsPromptly(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(5);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The store refuses the file at `path` both ways, and nothing at `watched` (the path, or where a link
// leads) changes.
void expectRefused(const std::string& path, const std::string& watched) {
  const Snapshot before = snapshot(watched);
  const Snapshot link = snapshot(path);
  LinuxFileStore store;
  const auto content = store.read(path);
  EXPECT_EQ(content.status, Status::Failed) << path;
  EXPECT_EQ(content.bytes, "");
  EXPECT_FALSE(store.write(path, "[TfrmPrincipal]\r\nICONE=0\r\n")) << path;
  EXPECT_EQ(snapshot(watched), before) << watched;
  EXPECT_EQ(snapshot(path), link) << path;
}

class TrustedFilesTest : public ::testing::Test {
 protected:
  std::string pathOf(const std::string& name) const { return dir.path() + '/' + name; }
  // A folder of its own below the test's folder, with that mode and owner.
  std::string folder(const std::string& name, mode_t mode, uid_t owner = ::geteuid()) const {
    const std::string path = pathOf(name);
    fs::create_directory(path);
    ::chmod(path.c_str(), mode);
    ::lchown(path.c_str(), owner, static_cast<gid_t>(-1));
    return path;
  }

  TempDir dir;
};

TEST_F(TrustedFilesTest, AWriteNeverCarriesSetIdBitsNorMorePermissionThanTheOldFile) {
  LinuxFileStore store;
  for (const mode_t old : {06755u, 04777u, 01644u, 0640u}) {
    const std::string path = pathOf("Lumaro.ini");
    dir.write("Lumaro.ini", "#!/bin/sh\n");
    ::chmod(path.c_str(), old);
    ASSERT_TRUE(store.write(path, "[TfrmPrincipal]\r\nICONE=0\r\n"));
    EXPECT_EQ(modeOf(path), old & 0777) << std::oct << old;
    EXPECT_EQ(store.read(path).bytes, "[TfrmPrincipal]\r\nICONE=0\r\n");
  }
  // A new file: read and write for all, less the umask.
  for (const mode_t mask : {022u, 077u}) {
    const mode_t old = ::umask(mask);
    const std::string path = pathOf("new" + std::to_string(mask) + ".ini");
    ASSERT_TRUE(store.write(path, "x"));
    ::umask(old);
    EXPECT_EQ(modeOf(path), 0666 & ~mask);
  }
}

TEST_F(TrustedFilesTest, AnotherUsersFileOrLinkIsNeitherReadNorReplaced) {
  if (!isRoot()) GTEST_SKIP() << "giving files to another user needs root";
  // A program planted as the settings file, set-user-ID, by another user.
  const std::string planted = pathOf("Lumaro.ini");
  dir.write("Lumaro.ini", "#!/bin/sh\nid\n");
  ::chown(planted.c_str(), kNobody, kNobody);
  ::chmod(planted.c_str(), 04777);
  expectRefused(planted, planted);

  // Our link to their file; their link to our file.
  const std::string theirs = pathOf("theirs.ini");
  fs::copy_file(planted, theirs);
  ::chown(theirs.c_str(), kNobody, kNobody);
  fs::create_symlink(theirs, pathOf("to-theirs.ini"));
  expectRefused(pathOf("to-theirs.ini"), theirs);

  dir.write("ours.ini", "[S]\r\n");
  fs::create_symlink(pathOf("ours.ini"), pathOf("their-link.ini"));
  ::lchown(pathOf("their-link.ini").c_str(), kNobody, kNobody);
  expectRefused(pathOf("their-link.ini"), pathOf("ours.ini"));
}

TEST_F(TrustedFilesTest, AsAnotherUserALinkToARootOnlyFileChangesNothing) {
  if (!isRoot()) GTEST_SKIP() << "acting as another user needs root";
  ::chmod(dir.path().c_str(), 0711);
  dir.write("secret", "root only\n");
  ::chmod(pathOf("secret").c_str(), 0600);
  dir.write("shared", "root's, readable\n");
  ::chmod(pathOf("shared").c_str(), 0644);
  const std::string home = folder("home", 0700, kNobody);
  for (const std::string target : {"secret", "shared"}) {
    const std::string link = home + "/" + target + ".ini";
    fs::create_symlink(pathOf(target), link);
    ::lchown(link.c_str(), kNobody, kNobody);
  }
  const Snapshot secret = snapshot(pathOf("secret"));
  const Snapshot shared = snapshot(pathOf("shared"));
  EXPECT_TRUE(inUnprivilegedChild([&] {
    LinuxFileStore store;
    // Root's files are read as they are (where their mode allows), never replaced.
    return store.read(home + "/secret.ini").status == Status::Failed &&
           !store.write(home + "/secret.ini", "x") &&
           store.read(home + "/shared.ini").bytes == "root's, readable\n" &&
           !store.write(home + "/shared.ini", "x");
  }));
  EXPECT_EQ(snapshot(pathOf("secret")), secret);
  EXPECT_EQ(snapshot(pathOf("shared")), shared);
  EXPECT_TRUE(fs::is_symlink(home + "/secret.ini"));

  // The user's own files in the user's own folder are the user's to write.
  EXPECT_TRUE(inUnprivilegedChild([&] {
    LinuxFileStore store;
    return store.write(home + "/Lumaro.ini", "[S]\r\n") &&
           store.read(home + "/Lumaro.ini").bytes == "[S]\r\n";
  }));
  EXPECT_EQ(snapshot(home + "/Lumaro.ini").owner, kNobody);
}

TEST_F(TrustedFilesTest, TheUsersOwnLinksAreFollowedAndKept) {
  const std::string dotfiles = folder("dotfiles", 0700);
  dir.write("dotfiles/Lumaro.ini", "[S]\r\nK=old\r\n");
  const std::string config = folder("config", 0700);
  fs::create_symlink("../dotfiles/Lumaro.ini", config + "/Lumaro.ini");  // relative to its folder
  fs::create_symlink(config + "/Lumaro.ini", config + "/chained.ini");
  LinuxFileStore store;
  EXPECT_EQ(store.read(config + "/chained.ini").bytes, "[S]\r\nK=old\r\n");
  ASSERT_TRUE(store.write(config + "/chained.ini", "[S]\r\nK=new\r\n"));
  EXPECT_TRUE(fs::is_symlink(config + "/Lumaro.ini"));
  EXPECT_TRUE(fs::is_symlink(config + "/chained.ini"));
  EXPECT_EQ(store.read(dotfiles + "/Lumaro.ini").bytes, "[S]\r\nK=new\r\n");

  // A link to where nothing is yet makes the file there.
  fs::create_symlink(dotfiles + "/later.ini", config + "/later.ini");
  EXPECT_EQ(store.read(config + "/later.ini").status, Status::Missing);
  ASSERT_TRUE(store.write(config + "/later.ini", "x"));
  EXPECT_EQ(store.read(dotfiles + "/later.ini").bytes, "x");

  // A loop of links ends.
  fs::create_symlink(config + "/loop-b", config + "/loop-a");
  fs::create_symlink(config + "/loop-a", config + "/loop-b");
  EXPECT_EQ(store.read(config + "/loop-a").status, Status::Failed);
  EXPECT_FALSE(store.write(config + "/loop-a", "x"));
}

TEST_F(TrustedFilesTest, FifosAndDevicesAreRefusedWithoutBlocking) {
  ::mkfifo(pathOf("fifo.ini").c_str(), 0600);
  fs::create_symlink("/dev/null", pathOf("null.ini"));
  fs::create_symlink(pathOf("fifo.ini"), pathOf("to-fifo.ini"));
  // With no writer, opening a FIFO for reading would wait for ever.
  EXPECT_TRUE(endsPromptly([&] {
    LinuxFileStore store;
    return store.read(pathOf("fifo.ini")).status == Status::Failed &&
           store.read(pathOf("to-fifo.ini")).status == Status::Failed &&
           store.read(pathOf("null.ini")).status == Status::Failed && !store.write(pathOf("fifo.ini"), "x") &&
           !store.write(pathOf("to-fifo.ini"), "x") && !store.write(pathOf("null.ini"), "x");
  }));
  EXPECT_TRUE(S_ISFIFO(snapshot(pathOf("fifo.ini")).mode));
  EXPECT_TRUE(S_ISCHR(snapshot("/dev/null").mode));
  EXPECT_TRUE(fs::is_symlink(pathOf("null.ini")));

  if (!isRoot()) GTEST_SKIP() << "making a device node needs root";
  ASSERT_EQ(::mknod(pathOf("zero.ini").c_str(), S_IFCHR | 0600, ::makedev(1, 5)), 0);
  EXPECT_TRUE(endsPromptly([&] {
    LinuxFileStore store;
    return store.read(pathOf("zero.ini")).status == Status::Failed && !store.write(pathOf("zero.ini"), "x");
  }));
  EXPECT_TRUE(S_ISCHR(snapshot(pathOf("zero.ini")).mode));
}

TEST_F(TrustedFilesTest, AFolderOtherUsersMayWriteIsRefusedStickyOrNot) {
  for (const mode_t mode : {0777u, 01777u, 0757u}) {
    const std::string shared = folder("shared" + std::to_string(mode), mode);
    dir.write("shared" + std::to_string(mode) + "/Lumaro.ini", "[S]\r\n");
    expectRefused(shared + "/Lumaro.ini", shared + "/Lumaro.ini");
    EXPECT_FALSE(writeFileAtomically(shared + "/new.ini", "x"));
    EXPECT_FALSE(fs::exists(shared + "/new.ini"));
  }
  if (!isRoot()) GTEST_SKIP() << "folders of other users and groups need root";
  const std::string theirs = folder("theirs", 0755, kNobody);
  dir.write("theirs/Lumaro.ini", "[S]\r\n");
  expectRefused(theirs + "/Lumaro.ini", theirs + "/Lumaro.ini");

  // A group-writable folder is ours alone when the group is the user's private one.
  const std::string grouped = folder("grouped", 0770);
  ::chown(grouped.c_str(), static_cast<uid_t>(-1), 0);
  EXPECT_TRUE(writeFileAtomically(grouped + "/Lumaro.ini", "x"));
  ::chown(grouped.c_str(), static_cast<uid_t>(-1), kNobody);
  expectRefused(grouped + "/Lumaro.ini", grouped + "/Lumaro.ini");
}

TEST_F(TrustedFilesTest, OnlyOurOwnLeftoversInATrustedFolderAreRemoved) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string leftover = ".Lumaro.ini." + std::to_string(gone) + ".0.tmp";
  const std::string keep = pathOf("keep");
  dir.write("keep", "kept");
  fs::create_symlink(keep, pathOf(leftover));  // a link by that name is no leftover
  fs::create_directory(pathOf(".Lumaro.ini." + std::to_string(gone) + ".1.tmp"));
  removeStaleTemporaryFiles(pathOf("Lumaro.ini"));
  EXPECT_TRUE(fs::is_symlink(pathOf(leftover)));
  EXPECT_TRUE(fs::is_directory(pathOf(".Lumaro.ini." + std::to_string(gone) + ".1.tmp")));

  // In a folder others may write, nothing is touched.
  const std::string shared = folder("shared", 01777);
  dir.write("shared/" + leftover, "partial");
  removeStaleTemporaryFiles(shared + "/Lumaro.ini");
  EXPECT_TRUE(fs::exists(shared + "/" + leftover));

  if (!isRoot()) GTEST_SKIP() << "another user's files need root";
  dir.write(".Lumaro.ini." + std::to_string(gone) + ".2.tmp", "theirs");
  ::chown(pathOf(".Lumaro.ini." + std::to_string(gone) + ".2.tmp").c_str(), kNobody, kNobody);
  removeStaleTemporaryFiles(pathOf("Lumaro.ini"));
  EXPECT_TRUE(fs::exists(pathOf(".Lumaro.ini." + std::to_string(gone) + ".2.tmp")));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
