#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro::platform::linuxos {

// The total "some" stall time of a pressure file ("some avg10=0.00 avg60=0.00 avg300=0.00 total=N",
// then a "full" line), in microseconds: how long at least one task waited for memory.
std::optional<std::uint64_t> parseSomeStallTotal(std::string_view text);

// Watches how much memory stall a run causes. Desktop oom daemons act on this very signal, and a
// stall is what the user feels as a frozen desktop, so a run stops claiming once it exceeds the budget.
// The sources stay open while a run lasts and are read again from the start at every check.
class MemoryStallWatch {
 public:
  static constexpr std::uint64_t kBudgetMicroseconds = 50'000;

  MemoryStallWatch() = default;
  MemoryStallWatch(const MemoryStallWatch&) = delete;
  MemoryStallWatch& operator=(const MemoryStallWatch&) = delete;
  ~MemoryStallWatch() { end(); }

  // Opens the pressure files and takes their totals as the start. Files that cannot be read (a kernel
  // without pressure accounting) are left out; with none left the watch never objects.
  void begin(const std::vector<std::string>& files);
  // The largest stall any source recorded since begin(), in microseconds. A source that fails now
  // counts as no stall.
  std::uint64_t stalledSinceBegin();
  bool overBudget() { return stalledSinceBegin() > kBudgetMicroseconds; }
  // Closes the sources.
  void end();

 private:
  struct Source {
    int fd;
    std::uint64_t start;
  };
  static std::optional<std::uint64_t> readTotal(int fd);

  std::vector<Source> sources_;
};

}  // namespace lumaro::platform::linuxos
