// kill -9 at random moments of the settings saves, until there have been a number of saves and as
// many kills ($LUMARO_SAVES, default 100; tests/stress/save_kill.sh asks for a thousand): the file is
// always the whole result of one save, and the next start leaves no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <thread>

#include "backends/linux/system/temp_dir.h"

namespace lumaro::settings {
namespace {

using platform::linuxos::testing::TempDir;

// What save number `save` of the helper writes.
std::string savedFile(long save) {
  const std::string value = std::to_string(save) + ':' + std::string(300, 'x') + ':' + std::to_string(save);
  std::string bytes = "[TForm]\r\nFormVersion=0\r\n";
  for (int key = 0; key < 27; ++key) bytes += "Key" + std::to_string(key) + "_Text=" + value + "\r\n";
  return bytes;
}

// The number of the save the file claims to hold, from its first key.
long claimedSave(const std::string& bytes) {
  const std::string prefix = "Key0_Text=";
  const auto start = bytes.find(prefix);
  if (start == std::string::npos) return -1;
  return std::strtol(bytes.c_str() + start + prefix.size(), nullptr, 10);
}

pid_t startHelper(const std::string& path, bool startOnly) {
  pid_t child = 0;
  std::vector<char*> arguments{const_cast<char*>(LUMARO_SAVE_LOOP_HELPER), const_cast<char*>(path.c_str())};
  if (startOnly) arguments.push_back(const_cast<char*>("--start"));
  arguments.push_back(nullptr);
  if (::posix_spawn(&child, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0) return -1;
  return child;
}

int entriesBeside(const std::string& path) {
  int others = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
    others += entry.path() != path;
  }
  return others;
}

TEST(KillDuringSave, TheFileIsAlwaysOneWholeSaveAndTheNextStartLeavesNoTemporaryFile) {
  const char* requested = std::getenv("LUMARO_SAVES");
  const long saves = requested != nullptr ? std::atol(requested) : 100;
  const TempDir dir;
  const std::string path = dir.path() + "/Lumaro.ini";
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int> delayUs(0, 30000);
  long lastSave = 0;
  int found = 0;
  int leftBehind = 0;
  const auto started = std::chrono::steady_clock::now();
  int kills = 0;
  for (; lastSave < saves || kills < saves; ++kills) {
    ASSERT_LT(kills, 10 * saves + 100) << "the saves do not get on";
    const pid_t saver = startHelper(path, false);
    ASSERT_GT(saver, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ::waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper ended by itself";

    std::ifstream in(path, std::ios::binary);
    if (in) {
      ++found;
      std::stringstream bytes;
      bytes << in.rdbuf();
      const long save = claimedSave(bytes.str());
      ASSERT_EQ(bytes.str(), savedFile(save)) << "after kill " << kills;
      ASSERT_GE(save, lastSave) << "an older save came back after kill " << kills;
      lastSave = save;
    } else {
      ASSERT_EQ(lastSave, 0) << "the file went missing after kill " << kills;
    }
    leftBehind += entriesBeside(path);

    const pid_t starter = startHelper(path, true);
    ASSERT_GT(starter, 0);
    ::waitpid(starter, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(entriesBeside(path), 0) << "a temporary file outlived the start after kill " << kills;
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "save_kill: " << kills << " kills in " << seconds << " s, " << lastSave << " saves completed, "
            << found << " kills found a file (always one whole save), " << leftBehind
            << " left a temporary file that the next start removed\n";
  EXPECT_GT(found, kills * 3 / 4);
}

}  // namespace
}  // namespace lumaro::settings
