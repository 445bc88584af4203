#include "toolkit/core/paced_messages.h"

namespace lumaro::toolkit {

void PacedMessages::processIfDue() {
  const std::uint64_t now = application_.loop().now();
  if (lastPass_ && now - *lastPass_ < intervalMs_) return;
  application_.processMessages();
  // Timed from the end of the pass: a slow pass (a long handler) still leaves the work its interval.
  lastPass_ = application_.loop().now();
}

}  // namespace lumaro::toolkit
