#include "backends/win32/system/nt_processor_times.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace lumaro::platform::win32 {

namespace {

constexpr int kSystemProcessorPerformanceInformation = 8;
constexpr long kInfoLengthMismatch = static_cast<long>(0xC0000004);

// The published layout of one processor's entry.
struct ProcessorPerformanceEntry {
  LARGE_INTEGER idleTime;
  LARGE_INTEGER kernelTime;
  LARGE_INTEGER userTime;
  LARGE_INTEGER dpcTime;
  LARGE_INTEGER interruptTime;
  ULONG interruptCount;
};

}  // namespace

void countersFromTimes(const std::vector<ProcessorTimes>& times, ProcessorCounters& out) {
  out.idle.clear();
  out.time = 0;
  out.objectFound = !times.empty();
  out.idleCounterFound = out.objectFound;
  if (times.empty()) return;
  std::int64_t idle = 0;
  std::int64_t all = 0;
  out.idle.push_back(0);
  for (const ProcessorTimes& cpu : times) {
    out.idle.push_back(cpu.idle);
    idle += cpu.idle;
    all += cpu.kernel + cpu.user;
  }
  const auto count = static_cast<std::int64_t>(times.size());
  out.idle[0] = idle / count;
  out.time = all / count;
}

NtProcessorTimes::NtProcessorTimes() : buffer_(64 * sizeof(ProcessorPerformanceEntry)) {
  if (const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll"))
    query_ =
        reinterpret_cast<Query>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtQuerySystemInformation")));
}

bool NtProcessorTimes::read(std::vector<ProcessorTimes>& times) {
  times.clear();
  if (query_ == nullptr) return false;
  unsigned long returned = 0;
  long status = query_(kSystemProcessorPerformanceInformation, buffer_.data(),
                       static_cast<unsigned long>(buffer_.size()), &returned);
  if (status == kInfoLengthMismatch && returned > buffer_.size()) {
    buffer_.resize(returned);
    status = query_(kSystemProcessorPerformanceInformation, buffer_.data(),
                    static_cast<unsigned long>(buffer_.size()), &returned);
  }
  if (status < 0) return false;
  const std::size_t count =
      std::min<std::size_t>(returned, buffer_.size()) / sizeof(ProcessorPerformanceEntry);
  for (std::size_t i = 0; i < count; ++i) {
    ProcessorPerformanceEntry entry;
    std::memcpy(&entry, buffer_.data() + i * sizeof entry, sizeof entry);
    times.push_back({entry.idleTime.QuadPart, entry.kernelTime.QuadPart, entry.userTime.QuadPart});
  }
  return count > 0;
}

}  // namespace lumaro::platform::win32
