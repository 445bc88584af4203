// The registry store file on arbitrary bytes: nothing crashes, setting a value is stable (a second
// identical write changes nothing), and a value is changed in place (setting it to another value
// changes the file, and setting it back gives the same file again).
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/linux/regedit_document.h"

using namespace lumaro;
using fuzz::require;
using platform::linuxos::RegeditDocument;

namespace {

// The keys and values the program writes.
constexpr std::string_view kMemoryKey =
    "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr std::string_view kPagingName = "DisablePagingExecutive";
constexpr std::string_view kIdleKey = "System\\CurrentControlSet\\control\\CPUIdle";
constexpr std::string_view kIdleName = "idle";

std::string withValue(std::string_view bytes, std::string_view key, std::string_view name,
                      std::uint32_t value) {
  RegeditDocument document(bytes);
  document.setDword(key, name, value);
  return document.bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::textOf(data, size);
  const std::string once = withValue(input, kMemoryKey, kPagingName, 1);
  require(withValue(once, kMemoryKey, kPagingName, 1) == once);
  const std::string zero = withValue(once, kMemoryKey, kPagingName, 0);
  require(zero != once);  // the value written is the one the file holds
  require(withValue(zero, kMemoryKey, kPagingName, 1) == once);

  // A second key does not disturb the first.
  const std::string both = withValue(once, kIdleKey, kIdleName, 0);
  require(withValue(both, kMemoryKey, kPagingName, 1) == both);

  return 0;
}
