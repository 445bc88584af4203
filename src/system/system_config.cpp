#include "system/system_config.h"

#include "platform/system_info.h"
#include "platform/utf8_path.h"
#include "settings/ini_file.h"
#include "system/registry_values.h"
#include "toolkit/drawing/text.h"

namespace lumaro::system {

void WriteSystemConfig(platform::FileStore& store, platform::Registry& registry,
                       const std::string& windowsDirectory, int platformFamily, const TuningValues& values) {
  const settings::IniFile ini(store,
                              platform::utf8Of(platform::pathFromUtf8(windowsDirectory) / kSystemIniName));
  const auto row = [&ini](const char* section, const char* key, bool written, long long value) {
    if (written) {
      ini.writeString(section, key, toolkit::intToStr(value));
    } else {
      ini.deleteKey(section, key);
    }
  };
  const bool family9x = platformFamily == platform::kFamily9x;
  row("vcache", "MinFileCache", family9x && values.minimumCache > 0, values.minimumCache * 1024LL);
  row("vcache", "MaxFileCache", family9x && values.maximumCache > 0, values.maximumCache * 1024LL);
  row("vcache", "ChunkSize", family9x && values.cacheBlock > 1, values.cacheBlock * 512LL);
  row("386enh", "ConservativeSwapfileUsage", family9x && values.forceRam, 1);
  row("386enh", "PageBuffers", values.pageBuffers >= 2, values.pageBuffers * 4LL);
  row("386enh", "DMABufferSize", values.dmaBuffer > 0, values.dmaBuffer);
  if (!family9x) {
    SetRegistryDword(registry, kMemoryManagementKey, "DisablePagingExecutive", values.forceRam ? 1 : 0);
  }
}

}  // namespace lumaro::system
