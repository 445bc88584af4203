#include "backends/win32/system/perf_data_parser.h"

#include <windows.h>
#include <winperf.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace lumaro::platform::win32 {
namespace {

using ::testing::ElementsAre;

// A performance data block as the performance registry answers it, built record by record.
class BlockBuilder {
 public:
  template <class T>
  std::size_t add(const T& record) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + sizeof record);
    std::memcpy(bytes_.data() + at, &record, sizeof record);
    return at;
  }
  std::size_t addName(const std::wstring& name) {
    const std::size_t at = bytes_.size();
    const std::size_t size = (name.size() + 1) * sizeof(wchar_t);
    bytes_.resize(at + ((size + 7) & ~std::size_t{7}));
    std::memcpy(bytes_.data() + at, name.c_str(), size);
    return at;
  }
  template <class T>
  T& at(std::size_t offset) {
    return *reinterpret_cast<T*>(bytes_.data() + offset);
  }
  std::size_t size() const { return bytes_.size(); }
  std::span<const std::byte> span() const { return bytes_; }
  void truncate(std::size_t size) { bytes_.resize(size); }

 private:
  std::vector<std::byte> bytes_;
};

struct Instance {
  std::wstring name;
  LONGLONG idle;
};

// Another object first (title 230), then the processor object with a counter before the idle one.
BlockBuilder processorBlock(const std::vector<Instance>& instances, DWORD idleCounterIndex = 6) {
  BlockBuilder block;
  PERF_DATA_BLOCK header{};
  std::memcpy(header.Signature, L"PERF", sizeof header.Signature);
  header.HeaderLength = sizeof header;
  header.NumObjectTypes = 2;
  header.PerfTime100nSec.QuadPart = 1234567890;
  const std::size_t headerAt = block.add(header);

  PERF_OBJECT_TYPE other{};
  other.ObjectNameTitleIndex = 230;
  other.HeaderLength = other.DefinitionLength = other.TotalByteLength = sizeof other;
  block.add(other);

  PERF_OBJECT_TYPE object{};
  object.ObjectNameTitleIndex = 238;
  object.HeaderLength = sizeof object;
  object.NumCounters = 2;
  object.NumInstances = static_cast<LONG>(instances.size());
  const std::size_t objectAt = block.add(object);
  PERF_COUNTER_DEFINITION counter{};
  counter.ByteLength = sizeof counter;
  counter.CounterNameTitleIndex = 142;  // % User Time
  counter.CounterSize = 8;
  counter.CounterOffset = sizeof(PERF_COUNTER_BLOCK);
  block.add(counter);
  counter.CounterNameTitleIndex = idleCounterIndex;
  counter.CounterOffset = sizeof(PERF_COUNTER_BLOCK) + 8;
  block.add(counter);
  block.at<PERF_OBJECT_TYPE>(objectAt).DefinitionLength = static_cast<DWORD>(block.size() - objectAt);

  for (const Instance& instance : instances) {
    const std::size_t instanceAt = block.add(PERF_INSTANCE_DEFINITION{});
    block.addName(instance.name);
    auto& definition = block.at<PERF_INSTANCE_DEFINITION>(instanceAt);
    definition.NameOffset = sizeof(PERF_INSTANCE_DEFINITION);
    definition.NameLength = static_cast<DWORD>((instance.name.size() + 1) * sizeof(wchar_t));
    definition.ByteLength = static_cast<DWORD>(block.size() - instanceAt);
    PERF_COUNTER_BLOCK counters{};
    counters.ByteLength = sizeof counters + 16;
    block.add(counters);
    block.add(LONGLONG{-1});
    block.add(instance.idle);
  }
  block.at<PERF_OBJECT_TYPE>(objectAt).TotalByteLength = static_cast<DWORD>(block.size() - objectAt);
  block.at<PERF_DATA_BLOCK>(headerAt).TotalByteLength = static_cast<DWORD>(block.size());
  return block;
}

TEST(PerfDataParser, TheTotalComesFirstThenEachProcessorWithTheBlocksTime) {
  ProcessorCounters counters;
  parsePerfData(processorBlock({{L"0", 100}, {L"1", 300}, {L"_Total", 200}}).span(), counters);
  EXPECT_TRUE(counters.objectFound);
  EXPECT_TRUE(counters.idleCounterFound);
  EXPECT_THAT(counters.idle, ElementsAre(200, 100, 300));
  EXPECT_EQ(counters.time, 1234567890);

  // One processor without a total: that processor is the machine. Storage is reused.
  parsePerfData(processorBlock({{L"0", 70}}).span(), counters);
  EXPECT_THAT(counters.idle, ElementsAre(70, 70));
}

TEST(PerfDataParser, AMissingObjectOrCounterIsReportedAsSuch) {
  ProcessorCounters counters;
  BlockBuilder noProcessor = processorBlock({{L"0", 1}, {L"_Total", 1}});
  noProcessor.at<PERF_DATA_BLOCK>(0).NumObjectTypes = 1;  // only the other object is looked at
  parsePerfData(noProcessor.span(), counters);
  EXPECT_FALSE(counters.objectFound);

  parsePerfData(processorBlock({{L"0", 1}, {L"_Total", 1}}, 7).span(), counters);
  EXPECT_TRUE(counters.objectFound);
  EXPECT_FALSE(counters.idleCounterFound);
  EXPECT_TRUE(counters.idle.empty());

  // What Wine answers: a header without objects.
  BlockBuilder empty;
  PERF_DATA_BLOCK header{};
  std::memcpy(header.Signature, L"PERF", sizeof header.Signature);
  header.HeaderLength = sizeof header;
  empty.add(header);
  parsePerfData(empty.span(), counters);
  EXPECT_FALSE(counters.objectFound);
}

TEST(PerfDataParser, AGarbledBlockNeverReadsOutsideItself) {
  ProcessorCounters counters;
  const BlockBuilder whole = processorBlock({{L"0", 100}, {L"1", 300}, {L"_Total", 200}});
  // Cut anywhere: either the processor object is not found at all, or it is whole.
  for (std::size_t size = 0; size < whole.size(); ++size) {
    BlockBuilder cut = whole;
    cut.truncate(size);
    parsePerfData(cut.span(), counters);
    EXPECT_FALSE(counters.idleCounterFound) << size;
  }
  BlockBuilder huge = whole;
  huge.at<PERF_DATA_BLOCK>(0).HeaderLength = 0xFFFFFFF0u;
  parsePerfData(huge.span(), counters);
  EXPECT_FALSE(counters.objectFound);
  BlockBuilder badSignature = whole;
  badSignature.at<PERF_DATA_BLOCK>(0).Signature[0] = L'X';
  parsePerfData(badSignature.span(), counters);
  EXPECT_FALSE(counters.objectFound);
}

}  // namespace
}  // namespace lumaro::platform::win32
