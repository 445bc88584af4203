#pragma once
#include <optional>

namespace lumaro::platform::linuxos {

// Makes this process the OOM killer's first choice for a while: if memory runs out during an
// optimization, the kernel should end the optimizer, not the user's programs. The kernel lets an
// unprivileged process raise its score and lower it again down to where it was. Failures are silent.
class OomScoreBoost {
 public:
  // Remembers the current score and sets the highest. Does nothing when the score cannot be read,
  // since it could then not be put back.
  void raise();
  // Puts the remembered score back.
  void restore();

 private:
  std::optional<int> saved_;
};

}  // namespace lumaro::platform::linuxos
