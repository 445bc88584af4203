#pragma once
#include <chrono>

#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// Another memory service with a pause before every commit. Tests that drive the running program set the
// pause (LUMARO_COMMIT_PAUSE_MS) so that an optimization lasts long enough to be acted on while it
// runs; without it the pass-through costs nothing.
class PacedMemory : public Memory {
 public:
  PacedMemory(Memory& inner, std::chrono::milliseconds pause) : inner_(inner), pause_(pause) {}

  // The pause LUMARO_COMMIT_PAUSE_MS asks for, in whole milliseconds; zero when it is unset or not a
  // number from 1 to 1000.
  static std::chrono::milliseconds pauseFromEnvironment();

  MemoryStatus status() override { return inner_.status(); }
  void* commitBlock() override;
  void releaseBlock(void* base) override { inner_.releaseBlock(base); }

 private:
  Memory& inner_;
  std::chrono::milliseconds pause_;
};

}  // namespace lumaro::platform::linuxos
