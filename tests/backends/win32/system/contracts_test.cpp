// The system services of the Win32 backend held to the platform contracts, under Wine in our tests.
// Ending the session is left out: it would end every program of the Wine prefix.
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "backends/win32/system/autostart.h"
#include "backends/win32/system/file_store.h"
#include "backends/win32/system/files.h"
#include "backends/win32/system/instance_guard.h"
#include "backends/win32/system/memory.h"
#include "backends/win32/system/process_launcher.h"
#include "backends/win32/system/processor.h"
#include "backends/win32/system/registry.h"
#include "backends/win32/system/session.h"
#include "backends/win32/system/system_info.h"
#include "backends/win32/system/system_resources.h"
#include "backends/win32/system/temp_folder.h"
#include "backends/win32/system/unicode.h"
#include "platform/contract/autostart_contract.h"
#include "platform/contract/desktop_contract.h"
#include "platform/contract/file_store_contract.h"
#include "platform/contract/files_contract.h"
#include "platform/contract/memory_contract.h"
#include "platform/contract/plain_subjects.h"
#include "platform/contract/process_launcher_contract.h"
#include "platform/contract/processor_contract.h"
#include "platform/contract/registry_contract.h"

namespace lumaro::platform::win32 {
namespace {

using namespace contract;
using testing::TempFolder;

std::string testKey(const std::string& what) {
  return "Software\\Lumaro tests\\" + what + ' ' + std::to_string(::GetCurrentProcessId());
}

// The machine as the service sees it, with the commit room nearly gone.
struct ScarceMemory : Win32Memory {
  MemoryStatus status() override {
    MemoryStatus status = Win32Memory::status();
    status.availablePageFile = 64u << 20;
    return status;
  }
};

struct Win32MemorySubject : MemorySubject {
  Memory& memory() override { return *real; }
  bool makeScarce() override {
    real = std::make_unique<ScarceMemory>();
    return true;
  }
  std::unique_ptr<Win32Memory> real = std::make_unique<Win32Memory>();
};
LUMARO_CONTRACT(MemoryContract, Win32, fresh<Win32MemorySubject>);

struct Win32ProcessorSubject : ProcessorSubject {
  ProcessorPerformance& processor() override { return real; }
  DynamicStatistics& dynamicStatistics() override { return statistics; }
  void letTimePass() override { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }
  Win32ProcessorPerformance real;
  NtDynamicStatistics statistics;
};
LUMARO_CONTRACT(ProcessorContract, Win32, fresh<Win32ProcessorSubject>);

LUMARO_CONTRACT(SystemContract, Win32, fresh<SystemOf<Win32SystemInfo, NtSystemResources>>);

struct Win32FilesSubject : FilesSubject {
  Win32FilesSubject() { folder.write(L"notes.txt", "text"); }
  Files& files() override { return real; }
  std::string existingFolder() override { return folder.path(); }
  std::string existingFile() override { return folder.path(L"notes.txt"); }
  std::string absentPathIn(const std::string& in) override { return in + "\\absent"; }
  // Every place counts as the user's here (see Win32Files::isPrivatePath).
  bool giveAway(const std::string&) override { return false; }
  bool share(const std::string&) override { return false; }
  TempFolder folder;
  Win32Files real;
};
LUMARO_CONTRACT(FilesContract, Win32, fresh<Win32FilesSubject>);

// Mutex names are the whole session's: this process's own.
struct MutexInstanceGuardSubject : SecondGuardSubject<MutexInstanceGuard> {
  std::string freeName() override { return "LUMARO2 contract " + std::to_string(::GetCurrentProcessId()); }
};
LUMARO_CONTRACT(InstanceGuardContract, Win32, fresh<MutexInstanceGuardSubject>);

struct Win32FileStoreSubject : FileStoreSubject {
  FileStore& store() override { return real; }
  std::string folder() override { return temp.path(); }
  std::string pathOf(const std::string& relative) override {
    return narrow((temp.folder() / widen(relative)).make_preferred().wstring());
  }
  bool makeReadOnly(const std::string& path) override {
    return ::SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  // A folder in the file's place is what no one reads as a file.
  bool makeUnreadable(const std::string& path) override {
    return ::DeleteFileW(widen(path).c_str()) && ::CreateDirectoryW(widen(path).c_str(), nullptr);
  }
  TempFolder temp;
  Win32FileStore real;
};
LUMARO_CONTRACT(FileStoreContract, Win32, fresh<Win32FileStoreSubject>);

// Below HKEY_LOCAL_MACHINE itself (Wine lets anyone write there), in a key of this test's own that the
// service takes as its root. Wine grants every access a standard user would be refused: closing that
// root is what makes the service's every change fail.
struct Win32RegistrySubject : RegistrySubject {
  Win32RegistrySubject() {
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, widen(base).c_str());
    for (HKEY* key : {&root, &reader})
      ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, widen(base).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key,
                        nullptr);
    real.emplace(root);
  }
  ~Win32RegistrySubject() override {
    if (root != nullptr) ::RegCloseKey(root);
    ::RegCloseKey(reader);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, widen(base).c_str());
  }
  Registry& registry() override { return *real; }
  std::string freshKey() override { return "control\\CPUIdle " + std::to_string(++keys); }
  std::optional<std::uint32_t> valueOf(const std::string& key, const std::string& name) override {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegGetValueW(reader, widen(key).c_str(), widen(name).c_str(), RRF_RT_REG_DWORD, nullptr, &data,
                       &size) != ERROR_SUCCESS)
      return std::nullopt;
    return data;
  }
  bool makeUnwritable() override {
    ::RegCloseKey(root);
    root = nullptr;
    return true;
  }
  std::string base = testKey("registry");
  int keys = 0;
  HKEY root = nullptr;
  HKEY reader = nullptr;
  std::optional<Win32Registry> real;
};
LUMARO_CONTRACT(RegistryContract, Win32, fresh<Win32RegistrySubject>);

struct RunKeyAutostartSubject : AutostartSubject {
  RunKeyAutostartSubject() { remove(); }
  ~RunKeyAutostartSubject() override { remove(); }
  Autostart& autostart() override { return *real; }
  std::optional<std::string> startedBy(const std::string& name) override {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (::RegGetValueW(HKEY_CURRENT_USER, widen(key).c_str(), widen(name).c_str(), RRF_RT_REG_SZ, nullptr,
                       data, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return narrow(data);
  }
  bool makeUnwritable() override {
    HKEY closed = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &closed) != ERROR_SUCCESS) return false;
    ::RegCloseKey(closed);
    real = std::make_unique<RunKeyAutostart>(closed, key);
    return true;
  }
  void remove() { ::RegDeleteTreeW(HKEY_CURRENT_USER, widen(key).c_str()); }
  std::string key = testKey("Run");
  std::unique_ptr<RunKeyAutostart> real = std::make_unique<RunKeyAutostart>(HKEY_CURRENT_USER, key);
};
LUMARO_CONTRACT(AutostartContract, Win32, fresh<RunKeyAutostartSubject>);

struct Win32ProcessLauncherSubject : ProcessLauncherSubject {
  Win32ProcessLauncherSubject() { std::filesystem::create_directories(temp.folder() / L"Windows dir"); }
  ProcessLauncher& launcher() override { return real; }
  std::string folder() override { return temp.path(L"Windows dir"); }
  // The command processor, with a pause first, as a maintenance program that takes a moment.
  std::string commandCreating(const std::string& name) override {
    return '"' + Win32Files().windowsDirectory() +
           "\\system32\\cmd.exe\" /c ping -n 2 127.0.0.1 >nul & echo x> \"" + name + '"';
  }
  std::string missingProgram() override { return '"' + folder() + "\\absent.exe\""; }
  bool created(const std::string& name) override {
    return std::filesystem::exists(temp.folder() / L"Windows dir" / widen(name));
  }
  TempFolder temp;
  Win32ProcessLauncher real;
};
LUMARO_CONTRACT(ProcessLauncherContract, Win32, fresh<Win32ProcessLauncherSubject>);

struct Win32KeyEventsSubject : KeyEventsSubject {
  KeyEvents& keyEvents() override { return real; }
  Win32KeyEvents real;
};
LUMARO_CONTRACT(KeyEventsContract, Win32, fresh<Win32KeyEventsSubject>);

}  // namespace
}  // namespace lumaro::platform::win32
