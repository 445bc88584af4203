// The registry store file on arbitrary bytes, through the store the program writes it with: nothing
// crashes; a file that cannot be written back unchanged is left alone; otherwise the file keeps its
// encoding, setting a value is stable (a second identical write changes nothing), and a value is
// changed in place (setting it to another value changes the file, setting it back restores it).
#include <cstdint>
#include <string>
#include <string_view>

#include "backends/fake/fake_file_store.h"
#include "backends/linux/system/regedit_encoding.h"
#include "backends/linux/system/registry.h"
#include "fuzz_check.h"

using namespace lumaro;
using fuzz::require;
using platform::linuxos::decodeRegedit;

namespace {

// The keys and values the program writes.
constexpr const char* kMemoryKey = "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kPagingName = "DisablePagingExecutive";
constexpr const char* kIdleKey = "System\\CurrentControlSet\\control\\CPUIdle";
constexpr const char* kIdleName = "idle";
constexpr const char* kFolder = "/windows";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(fuzz::textOf(data, size));
  const std::string path = std::string(kFolder) + '/' + platform::linuxos::RegeditRegistry::kFileName;
  platform::fake::FakeFileStore files;
  files.files[path] = input;
  platform::linuxos::RegeditRegistry registry(files, kFolder);
  const std::string& file = files.files[path];

  const auto original = decodeRegedit(input);
  if (!registry.setDword(kMemoryKey, kPagingName, 1)) {
    require(!original && file == input);
    return 0;
  }
  require(original.has_value());
  const std::string once = file;
  const auto written = decodeRegedit(once);
  require(written && written->encoding == original->encoding);

  require(registry.setDword(kMemoryKey, kPagingName, 1) && file == once);
  require(registry.setDword(kMemoryKey, kPagingName, 0) && file != once);
  require(registry.setDword(kMemoryKey, kPagingName, 1) && file == once);

  // A second key does not disturb the first.
  require(registry.setDword(kIdleKey, kIdleName, 0));
  const std::string both = file;
  require(registry.setDword(kMemoryKey, kPagingName, 1) && file == both);
  return 0;
}
