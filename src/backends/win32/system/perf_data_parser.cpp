#include "backends/win32/system/perf_data_parser.h"

#include <windows.h>
#include <winperf.h>

#include <cstring>
#include <optional>
#include <string_view>

namespace lumaro::platform::win32 {

namespace {

// A record of type T at `offset` in the block, when all of it lies inside.
template <class T>
std::optional<T> recordAt(std::span<const std::byte> block, std::size_t offset) {
  if (offset > block.size() || block.size() - offset < sizeof(T)) return std::nullopt;
  T record;
  std::memcpy(&record, block.data() + offset, sizeof(T));
  return record;
}

bool isTotalInstance(std::span<const std::byte> block, std::size_t instance,
                     const PERF_INSTANCE_DEFINITION& def) {
  constexpr std::wstring_view kTotal = L"_Total";
  const std::size_t nameBytes = kTotal.size() * sizeof(wchar_t);
  const std::size_t name = instance + def.NameOffset;
  if (def.NameLength < nameBytes || name > block.size() || block.size() - name < nameBytes) return false;
  return std::memcmp(block.data() + name, kTotal.data(), nameBytes) == 0;
}

struct ObjectLocation {
  std::size_t offset;
  PERF_OBJECT_TYPE object;
};

std::optional<ObjectLocation> findProcessorObject(std::span<const std::byte> block,
                                                  const PERF_DATA_BLOCK& header) {
  std::size_t offset = header.HeaderLength;
  for (DWORD i = 0; i < header.NumObjectTypes; ++i) {
    const auto object = recordAt<PERF_OBJECT_TYPE>(block, offset);
    if (!object) return std::nullopt;
    if (object->ObjectNameTitleIndex == kProcessorObjectIndex) return ObjectLocation{offset, *object};
    if (object->TotalByteLength == 0) return std::nullopt;
    offset += object->TotalByteLength;
  }
  return std::nullopt;
}

std::optional<DWORD> findIdleCounterOffset(std::span<const std::byte> block, const ObjectLocation& at) {
  std::size_t offset = at.offset + at.object.HeaderLength;
  for (DWORD i = 0; i < at.object.NumCounters; ++i) {
    const auto counter = recordAt<PERF_COUNTER_DEFINITION>(block, offset);
    if (!counter) return std::nullopt;
    if (counter->CounterNameTitleIndex == kProcessorTimeCounterIndex &&
        counter->CounterSize == sizeof(LONGLONG))
      return counter->CounterOffset;
    if (counter->ByteLength == 0) return std::nullopt;
    offset += counter->ByteLength;
  }
  return std::nullopt;
}

// Reads every instance's counter into `out.idle` (the total first); false on a garbled instance list.
bool readInstances(std::span<const std::byte> block, const ObjectLocation& at, DWORD counterOffset,
                   ProcessorCounters& out) {
  out.idle.push_back(0);  // the total, filled when it is met
  bool totalFound = false;
  std::size_t instance = at.offset + at.object.DefinitionLength;
  for (LONG i = 0; i < at.object.NumInstances; ++i) {
    const auto def = recordAt<PERF_INSTANCE_DEFINITION>(block, instance);
    if (!def || def->ByteLength == 0) return false;
    const std::size_t counters = instance + def->ByteLength;
    const auto counterBlock = recordAt<PERF_COUNTER_BLOCK>(block, counters);
    const auto value = recordAt<LONGLONG>(block, counters + counterOffset);
    if (!counterBlock || !value || counterBlock->ByteLength == 0) return false;
    if (isTotalInstance(block, instance, *def)) {
      out.idle[0] = *value;
      totalFound = true;
    } else {
      out.idle.push_back(*value);
    }
    instance = counters + counterBlock->ByteLength;
  }
  // A machine of one processor may list no total: that processor is the whole machine.
  if (!totalFound && out.idle.size() == 2) out.idle[0] = out.idle[1];
  return totalFound || out.idle.size() == 2;
}

}  // namespace

void parsePerfData(std::span<const std::byte> block, ProcessorCounters& out) {
  out.objectFound = false;
  out.idleCounterFound = false;
  out.idle.clear();
  out.time = 0;
  const auto header = recordAt<PERF_DATA_BLOCK>(block, 0);
  if (!header || std::memcmp(header->Signature, L"PERF", 4 * sizeof(WCHAR)) != 0) return;
  const auto object = findProcessorObject(block, *header);
  if (!object) return;
  out.objectFound = true;
  const auto counterOffset = findIdleCounterOffset(block, *object);
  if (!counterOffset) return;
  if (!readInstances(block, *object, *counterOffset, out)) {
    out.idle.clear();
    out.objectFound = false;
    return;
  }
  out.idleCounterFound = true;
  out.time = header->PerfTime100nSec.QuadPart;
}

}  // namespace lumaro::platform::win32
