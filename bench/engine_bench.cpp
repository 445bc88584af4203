// One optimization through the engine and the real memory service, against the bare system calls doing
// the same work (map every block, write it with the same 32-bit fill, unmap them all).
#include <sys/mman.h>

#include <cstdio>
#include <vector>

#include "backends/linux/system/memory.h"
#include "engine/max_mem.h"
#include "median_ratio.h"

namespace {

void rawPath(int blocks) {
  std::vector<void*> held(blocks);
  for (auto& base : held) {
    base = mmap(nullptr, lumaro::platform::Memory::kBlockSize, PROT_READ | PROT_WRITE,
                MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) std::abort();
    lumaro::engine::fillBlock(base);
  }
  for (void* base : held) munmap(base, lumaro::platform::Memory::kBlockSize);
}

}  // namespace

int main() {
  lumaro::platform::linuxos::ProcMemory memory;
  lumaro::engine::TMaxMem engine(nullptr, memory);
  engine.OnBeforeDefrag = [](lumaro::toolkit::Component&) {};
  engine.OnProgress = [](lumaro::toolkit::Component&, int) {};
  engine.OnAfterDefrag = [](lumaro::toolkit::Component&) {};
  std::printf(
      "Defrag(n) with empty handlers vs. mmap + fill + munmap of n blocks (median of alternating rounds)\n");
  for (const int blocks : {16, 256, 1024}) {
    char name[64];
    std::snprintf(name, sizeof name, "Defrag(%d)", blocks);
    lumaro::bench::printMedianRatio(
        name, blocks >= 1024 ? 9 : 25, [blocks] { rawPath(blocks); }, [&] { engine.Defrag(blocks); });
  }
}
