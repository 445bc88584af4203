#include "backends/win32/system/processor.h"

#include <windows.h>

#include <algorithm>
#include <span>

#include "backends/win32/system/perf_data_parser.h"

namespace lumaro::platform::win32 {

Win32ProcessorPerformance::~Win32ProcessorPerformance() {
  // The performance registry stays open from the first query until this close.
  if (!useFallback_) ::RegCloseKey(HKEY_PERFORMANCE_DATA);
}

bool Win32ProcessorPerformance::readPerformanceData(ProcessorCounters& out) {
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer_.size());
    const LSTATUS status = ::RegQueryValueExW(HKEY_PERFORMANCE_DATA, L"238", nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(buffer_.data()), &size);
    if (status == ERROR_MORE_DATA && buffer_.size() + kGrowth <= kBufferLimit) {
      buffer_.resize(buffer_.size() + kGrowth);
      continue;
    }
    if (status != ERROR_SUCCESS) return false;
    parsePerfData(std::span(buffer_.data(), std::min<std::size_t>(size, buffer_.size())), out);
    return out.objectFound;
  }
}

void Win32ProcessorPerformance::readFallback(ProcessorCounters& out) {
  ntTimes_.read(times_);
  countersFromTimes(times_, out);
}

void Win32ProcessorPerformance::read(ProcessorCounters& out) {
  if (!useFallback_ && readPerformanceData(out)) return;
  if (!useFallback_) {
    useFallback_ = true;
    ::RegCloseKey(HKEY_PERFORMANCE_DATA);
  }
  readFallback(out);
}

}  // namespace lumaro::platform::win32
