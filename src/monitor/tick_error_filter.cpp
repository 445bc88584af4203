#include "monitor/tick_error_filter.h"

#include <exception>

namespace lumaro::monitor {

void TickErrorFilter::run(const std::function<void()>& pass) {
  try {
    pass();
    last_.reset();
  } catch (const std::exception& error) {
    if (last_ == error.what()) return;
    last_ = error.what();
    throw;
  }
}

}  // namespace lumaro::monitor
