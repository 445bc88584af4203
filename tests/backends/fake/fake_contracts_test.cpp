// The fakes held to the contracts the real services meet, so that logic tested on the fakes meets the
// same services in the program. The process launcher is left out: the fake only records what was
// asked, and starts nothing.
#include <algorithm>
#include <memory>

#include "backends/fake/fake_services.h"
#include "platform/contract/autostart_contract.h"
#include "platform/contract/desktop_contract.h"
#include "platform/contract/event_loop_contract.h"
#include "platform/contract/file_store_contract.h"
#include "platform/contract/files_contract.h"
#include "platform/contract/hotkeys_contract.h"
#include "platform/contract/instance_contract.h"
#include "platform/contract/memory_contract.h"
#include "platform/contract/plain_subjects.h"
#include "platform/contract/processor_contract.h"
#include "platform/contract/registry_contract.h"
#include "platform/contract/session_contract.h"
#include "platform/contract/system_contract.h"
#include "platform/contract/text_service_contract.h"
#include "platform/contract/tray_contract.h"

namespace lumaro::platform::fake {
namespace {

using namespace contract;

LUMARO_CONTRACT(EventLoopContract, Fake, fresh<EventLoopOf<FakeEventLoop>>);

struct FakeMemorySubject : MemorySubject {
  FakeMemorySubject() {
    constexpr std::uint64_t kMiB = 1 << 20;
    fake.setStatus(MemoryStatus{.memoryLoad = 40,
                                .totalPhysical = 4096 * kMiB,
                                .availablePhysical = 2458 * kMiB,
                                .totalPageFile = 6144 * kMiB,
                                .availablePageFile = 4506 * kMiB,
                                .totalVirtual = 6144 * kMiB,
                                .availableVirtual = 4506 * kMiB});
  }
  Memory& memory() override { return fake; }
  bool makeScarce() override {
    fake.setHeldLimit(0);
    return true;
  }
  FakeMemory fake;
};
LUMARO_CONTRACT(MemoryContract, Fake, fresh<FakeMemorySubject>);

struct FakeProcessorSubject : ProcessorSubject {
  FakeProcessorSubject() {
    // Two processors, one of them busier, a second apart.
    processorFake.queue({1'500'000, 2'000'000, 1'000'000}, 50'000'000);
    processorFake.queue({7'000'000, 11'000'000, 3'000'000}, 60'000'000);
    statistics.usage = 37;
  }
  ProcessorPerformance& processor() override { return processorFake; }
  DynamicStatistics& dynamicStatistics() override { return statistics; }
  void letTimePass() override {}
  FakeProcessorPerformance processorFake;
  FakeDynamicStatistics statistics;
};
LUMARO_CONTRACT(ProcessorContract, Fake, fresh<FakeProcessorSubject>);

LUMARO_CONTRACT(SystemContract, Fake, fresh<SystemOf<FakeSystemInfo, FakeSystemResources>>);

struct FakeFilesSubject : FilesSubject {
  FakeFilesSubject() { fake.existing.insert(existingFile()); }
  Files& files() override { return fake; }
  std::string existingFolder() override { return "/home/user/Documents"; }
  std::string existingFile() override { return "/home/user/Documents/notes.txt"; }
  std::string absentPathIn(const std::string& folder) override { return folder + "/absent"; }
  bool giveAway(const std::string& path) override { return fake.shared.insert(path).second; }
  bool share(const std::string& folder) override { return fake.shared.insert(folder).second; }
  FakeFiles fake;
};
LUMARO_CONTRACT(FilesContract, Fake, fresh<FakeFilesSubject>);

struct FakeInstanceGuardSubject : InstanceGuardSubject {
  InstanceGuard& guard() override { return fake; }
  std::string freeName() override { return "LUMARO2"; }
  bool otherCopyClaims(const std::string& name) override { return fake.heldElsewhere.insert(name).second; }
  void otherCopyEnds() override { fake.heldElsewhere.clear(); }
  FakeInstanceGuard fake;
};
LUMARO_CONTRACT(InstanceGuardContract, Fake, fresh<FakeInstanceGuardSubject>);

// The fake's listener and sender are one object: it stands for the copies on both ends.
struct FakeRestoreChannelSubject : RestoreChannelSubject {
  RestoreChannel& listener() override { return fake; }
  RestoreChannel& sender() override { return fake; }
  std::string freeName() override { return "LUMARO2"; }
  bool runLoopUntil(const std::function<bool()>& done) override { return done(); }
  FakeRestoreChannel fake;
};
LUMARO_CONTRACT(RestoreChannelContract, Fake, fresh<FakeRestoreChannelSubject>);

struct FakeFileStoreSubject : FileStoreSubject {
  FileStore& store() override { return fake; }
  std::string folder() override { return "/opt/lumaro"; }
  std::string pathOf(const std::string& relative) override { return folder() + '/' + relative; }
  bool makeReadOnly(const std::string& path) override {
    fake.readOnlyFolders.insert(path.substr(0, path.rfind('/')));
    return true;
  }
  bool makeUnreadable(const std::string& path) override { return fake.unreadable.insert(path).second; }
  FakeFileStore fake;
};
LUMARO_CONTRACT(FileStoreContract, Fake, fresh<FakeFileStoreSubject>);

struct FakeRegistrySubject : RegistrySubject {
  Registry& registry() override { return fake; }
  std::string freshKey() override { return "System\\CurrentControlSet\\control\\CPUIdle"; }
  std::optional<std::uint32_t> valueOf(const std::string& key, const std::string& name) override {
    const auto found = fake.values.find(fake.spellingOf(key + '\\' + name));
    if (found == fake.values.end()) return std::nullopt;
    return found->second;
  }
  bool makeUnwritable() override {
    fake.failing = true;
    return true;
  }
  FakeRegistry fake;
};
LUMARO_CONTRACT(RegistryContract, Fake, fresh<FakeRegistrySubject>);

struct FakeAutostartSubject : AutostartSubject {
  Autostart& autostart() override { return fake; }
  std::optional<std::string> startedBy(const std::string& name) override {
    const auto found = fake.entries.find(name);
    if (found == fake.entries.end()) return std::nullopt;
    return found->second;
  }
  bool makeUnwritable() override {
    fake.result = Autostart::Result::FolderFailed;
    return true;
  }
  FakeAutostart fake;
};
LUMARO_CONTRACT(AutostartContract, Fake, fresh<FakeAutostartSubject>);

struct FakeSessionControlSubject : SessionControlSubject {
  SessionControl& control() override { return fake; }
  std::optional<std::uint32_t> lastRequest() override {
    if (fake.calls.empty() || !fake.calls.back().starts_with("exit ")) return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(fake.calls.back().substr(5)));
  }
  FakeSessionControl fake;
};
LUMARO_CONTRACT(SessionControlContract, Fake, fresh<FakeSessionControlSubject>);

struct FakeDesktopSubject : DesktopSubject, ClipboardSubject, KeyEventsSubject, MessageNoticeSubject {
  Desktop& desktop() override { return desktopFake; }
  Clipboard& clipboard() override { return clipboardFake; }
  void put(const std::string& text) override { clipboardFake.text = text; }
  std::string text() override { return clipboardFake.text; }
  KeyEvents& keyEvents() override { return keys; }
  MessageNotice& notice() override { return messages; }
  void dismissNext() override {}
  bool sawNotice(const std::string& caption, const std::string& text) override {
    // The fake keeps the text as given; the user sees each carriage return as a line break.
    if (messages.shown.empty()) return false;
    std::string seen = messages.shown.back().second;
    std::replace(seen.begin(), seen.end(), '\r', '\n');
    return messages.shown.back().first == caption && seen == text;
  }
  FakeDesktop desktopFake;
  FakeClipboard clipboardFake;
  FakeKeyEvents keys;
  FakeMessageBox messages;
};
LUMARO_CONTRACT(DesktopContract, Fake, fresh<FakeDesktopSubject>);
LUMARO_CONTRACT(ClipboardContract, Fake, fresh<FakeDesktopSubject>);
LUMARO_CONTRACT(KeyEventsContract, Fake, fresh<FakeDesktopSubject>);
LUMARO_CONTRACT(MessageNoticeContract, Fake, fresh<FakeDesktopSubject>);

LUMARO_CONTRACT(TextServiceContract, Fake, fresh<TextServiceOf<FakeTextService>>);

LUMARO_CONTRACT(TrayContract, Fake, fresh<HostedTrayOf<FakeTray>>);

struct FakeHotkeysSubject : GlobalHotkeysSubject {
  GlobalHotkeys& hotkeys() override { return fake; }
  bool press(std::uint32_t modifiers, std::uint32_t virtualKey) override {
    fake.press(modifiers, virtualKey);
    return true;
  }
  FakeHotkeys fake;
};
LUMARO_CONTRACT(GlobalHotkeysContract, Fake, fresh<FakeHotkeysSubject>);

}  // namespace
}  // namespace lumaro::platform::fake
