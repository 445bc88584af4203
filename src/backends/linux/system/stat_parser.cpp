#include "backends/linux/system/stat_parser.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "backends/linux/system/text_scan.h"

namespace lumaro::platform::linuxos {

namespace {

// user nice system idle iowait irq softirq steal. The guest fields that follow are already counted in
// user and nice, so they stay out of the total.
constexpr std::size_t kCountedFields = 8;
constexpr std::size_t kIdleField = 3;
constexpr std::size_t kIowaitField = 4;
constexpr std::uint64_t kHundredNsPerSecond = 10'000'000;

struct CpuLine {
  std::array<std::uint64_t, kCountedFields> fields{};
  std::size_t count = 0;

  bool hasIdle() const { return count > kIdleField; }
  std::uint64_t idle() const { return fields[kIdleField] + fields[kIowaitField]; }
  std::uint64_t total() const { return std::accumulate(fields.begin(), fields.end(), std::uint64_t{0}); }
};

CpuLine parseFields(std::string_view rest) {
  CpuLine line;
  while (line.count < kCountedFields) {
    const auto value = takeNumber(rest);
    if (!value) break;
    line.fields[line.count++] = *value;
  }
  return line;
}

std::int64_t toHundredNs(std::uint64_t jiffies, std::uint64_t jiffiesPerSecond) {
  return static_cast<std::int64_t>(mulDiv(jiffies, kHundredNsPerSecond, jiffiesPerSecond));
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void parseStat(std::string_view text, long clockTicksPerSecond, ProcessorCounters& out) {
  out.objectFound = false;
  out.idleCounterFound = false;
  out.idle.clear();
  out.time = 0;
  if (clockTicksPerSecond <= 0) return;
  const auto ticks = static_cast<std::uint64_t>(clockTicksPerSecond);

  CpuLine machine;
  out.idle.push_back(0);  // instance 0, known once the processors are counted
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    if (!line.starts_with("cpu") || line.size() < 4) continue;
    if (line[3] == ' ' || line[3] == '\t') {
      out.objectFound = true;
      machine = parseFields(line.substr(3));
    } else if (isDigit(line[3])) {
      const CpuLine cpu = parseFields(line.substr(std::min(line.find_first_of(" \t"), line.size())));
      if (cpu.hasIdle()) out.idle.push_back(toHundredNs(cpu.idle(), ticks));
    }
  }

  out.idleCounterFound = machine.hasIdle();
  if (!out.idleCounterFound) {
    out.idle.clear();
    return;
  }
  const std::uint64_t processors = std::max<std::size_t>(out.idle.size() - 1, 1);
  out.idle[0] = toHundredNs(machine.idle(), ticks * processors);
  out.time = toHundredNs(machine.total(), ticks * processors);
}

}  // namespace lumaro::platform::linuxos
