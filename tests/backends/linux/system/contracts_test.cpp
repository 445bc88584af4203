// The kernel-side services of the Linux backend held to the platform contracts.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "backends/linux/system/autostart.h"
#include "backends/linux/system/dynamic_statistics.h"
#include "backends/linux/system/file_store.h"
#include "backends/linux/system/files.h"
#include "backends/linux/system/instance_guard.h"
#include "backends/linux/system/memory.h"
#include "backends/linux/system/proc_fixtures.h"
#include "backends/linux/system/process_launcher.h"
#include "backends/linux/system/processor.h"
#include "backends/linux/system/registry.h"
#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/system_info.h"
#include "backends/linux/system/system_resources.h"
#include "backends/linux/system/temp_dir.h"
#include "backends/linux/system/unprivileged.h"
#include "platform/contract/autostart_contract.h"
#include "platform/contract/file_store_contract.h"
#include "platform/contract/files_contract.h"
#include "platform/contract/memory_contract.h"
#include "platform/contract/plain_subjects.h"
#include "platform/contract/process_launcher_contract.h"
#include "platform/contract/processor_contract.h"
#include "platform/contract/registry_contract.h"

namespace lumaro::platform::linuxos {
namespace {

using namespace contract;
using testing::kNobody;
using testing::ScopedEnv;
using testing::TempDir;

std::optional<std::string> contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

struct ProcMemorySubject : MemorySubject {
  Memory& memory() override { return *proc; }
  bool makeScarce() override {
    scarce.emplace("LUMARO_PROC_DIR", testing::procFixture("low-memory"));
    proc = std::make_unique<ProcMemory>();
    return true;
  }
  ScopedEnv realProc{"LUMARO_PROC_DIR", nullptr};
  std::optional<ScopedEnv> scarce;
  std::unique_ptr<ProcMemory> proc = std::make_unique<ProcMemory>();
};
LUMARO_CONTRACT(MemoryContract, Linux, fresh<ProcMemorySubject>);

struct ProcProcessorSubject : ProcessorSubject {
  ProcessorPerformance& processor() override { return *proc; }
  DynamicStatistics& dynamicStatistics() override { return statistics; }
  void letTimePass() override { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }
  ScopedEnv realProc{"LUMARO_PROC_DIR", nullptr};
  std::unique_ptr<ProcProcessorPerformance> proc = std::make_unique<ProcProcessorPerformance>();
  UnsupportedDynamicStatistics statistics;
};
LUMARO_CONTRACT(ProcessorContract, Linux, fresh<ProcProcessorSubject>);

LUMARO_CONTRACT(SystemContract, Linux, fresh<SystemOf<LinuxSystemInfo, UnsupportedSystemResources>>);

struct LinuxFilesSubject : FilesSubject {
  LinuxFilesSubject() { dir.write("notes.txt", "text"); }
  Files& files() override { return real; }
  std::string existingFolder() override { return dir.path(); }
  std::string existingFile() override { return dir.path() + "/notes.txt"; }
  std::string absentPathIn(const std::string& folder) override { return folder + "/absent"; }
  // Only root can give a file away.
  bool giveAway(const std::string& path) override {
    return ::geteuid() == 0 && ::lchown(path.c_str(), kNobody, kNobody) == 0;
  }
  // Shared as /tmp is: sticky, so that none may remove another's files, yet open to all.
  bool share(const std::string& folder) override { return ::chmod(folder.c_str(), 01777) == 0; }
  TempDir dir;
  LinuxFiles real;
};
LUMARO_CONTRACT(FilesContract, Linux, fresh<LinuxFilesSubject>);

// The guards claim their names in a runtime folder of the test's own.
struct FlockInstanceGuardSubject : SecondGuardSubject<FlockInstanceGuard> {
  std::string freeName() override { return "LUMARO2"; }
  TempDir runtime;
  ScopedEnv xdg{"XDG_RUNTIME_DIR", runtime.path()};
};
LUMARO_CONTRACT(InstanceGuardContract, Linux, fresh<FlockInstanceGuardSubject>);

struct LinuxFileStoreSubject : FileStoreSubject {
  FileStore& store() override { return real; }
  std::string folder() override { return dir.path(); }
  std::string pathOf(const std::string& relative) override { return dir.path() + '/' + relative; }
  // Read-only holds for root as well: the store checks the mode itself.
  bool makeReadOnly(const std::string& path) override { return ::chmod(path.c_str(), 0444) == 0; }
  // Root reads any file whatever its mode: a folder in the file's place is what nobody can read.
  bool makeUnreadable(const std::string& path) override {
    return std::filesystem::remove(path) && std::filesystem::create_directory(path);
  }
  TempDir dir;
  LinuxFileStore real;
};
LUMARO_CONTRACT(FileStoreContract, Linux, fresh<LinuxFileStoreSubject>);

struct RegeditRegistrySubject : RegistrySubject {
  Registry& registry() override { return real; }
  std::string freshKey() override { return "System\\CurrentControlSet\\control\\CPUIdle"; }
  // Reads the export file as the registry editor would import it.
  std::optional<std::uint32_t> valueOf(const std::string& key, const std::string& name) override {
    const auto text = contentOf(real.path());
    if (!text) return std::nullopt;
    std::istringstream lines(*text);
    bool inKey = false;
    std::optional<std::uint32_t> found;
    int matches = 0;
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.starts_with('[')) {
        inKey = equalIgnoringCase(line, "[HKEY_LOCAL_MACHINE\\" + key + "]");
        continue;
      }
      const std::string prefix = '"' + name + "\"=dword:";
      if (inKey && line.size() > prefix.size() && equalIgnoringCase(line.substr(0, prefix.size()), prefix)) {
        found = static_cast<std::uint32_t>(std::stoul(line.substr(prefix.size()), nullptr, 16));
        ++matches;
      }
    }
    return matches == 1 ? found : std::nullopt;
  }
  bool makeUnwritable() override { return ::chmod(real.path().c_str(), 0444) == 0; }
  TempDir dir;
  LinuxFileStore files;
  RegeditRegistry real{files, dir.path() + "/windows"};
};
LUMARO_CONTRACT(RegistryContract, Linux, fresh<RegeditRegistrySubject>);

struct XdgAutostartSubject : AutostartSubject {
  Autostart& autostart() override { return real; }
  // The Exec line of an entry that is not hidden; paths here need no quoting.
  std::optional<std::string> startedBy(const std::string& name) override {
    std::string file = name;
    std::transform(file.begin(), file.end(), file.begin(), [](char c) { return std::tolower(c); });
    const auto text = contentOf(real.folder() + '/' + file + ".desktop");
    if (!text) return std::nullopt;
    if (text->find("\nHidden=true\n") != std::string::npos) return "";
    const auto exec = text->find("\nExec=");
    if (exec == std::string::npos) return "";
    return text->substr(exec + 6, text->find('\n', exec + 1) - exec - 6);
  }
  bool makeUnwritable() override {
    dir.write("not-a-folder", "");
    unwritable.emplace("XDG_CONFIG_HOME", dir.path() + "/not-a-folder");
    return true;
  }
  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", dir.path()};
  std::optional<ScopedEnv> unwritable;
  XdgAutostart real;
};
LUMARO_CONTRACT(AutostartContract, Linux, fresh<XdgAutostartSubject>);

struct PosixProcessLauncherSubject : ProcessLauncherSubject {
  PosixProcessLauncherSubject() { std::filesystem::create_directories(folder()); }
  ProcessLauncher& launcher() override { return real; }
  std::string folder() override { return dir.path() + "/Windows dir"; }
  std::string commandCreating(const std::string& name) override {
    const std::string program = folder() + "/tuneup.exe";
    std::ofstream(program) << "#!/bin/sh\nsleep 0.2\ntouch '" << name << "'\n";
    ::chmod(program.c_str(), 0755);
    return '"' + program + '"';
  }
  std::string missingProgram() override { return '"' + folder() + "/absent.exe\""; }
  bool created(const std::string& name) override { return std::filesystem::exists(folder() + '/' + name); }
  TempDir dir;
  PosixProcessLauncher real;
};
LUMARO_CONTRACT(ProcessLauncherContract, Linux, fresh<PosixProcessLauncherSubject>);

}  // namespace
}  // namespace lumaro::platform::linuxos
