#include "platform/linux/runtime_directory.h"

#include <gtest/gtest.h>

#include "platform/linux/scoped_env.h"
#include "platform/linux/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(RuntimeDirectory, PrefersAnExistingRuntimeDirThenTmpdirThenTmp) {
  const TempDir runtime;
  const TempDir temporary;
  const std::string missing = runtime.path() + "/missing";
  {
    const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path() + "/");
    EXPECT_EQ(runtimeDirectory(), runtime.path());
  }
  const ScopedEnv xdg("XDG_RUNTIME_DIR", missing);
  {
    const ScopedEnv tmp("TMPDIR", temporary.path());
    EXPECT_EQ(runtimeDirectory(), temporary.path());
  }
  const ScopedEnv tmp("TMPDIR", missing);
  EXPECT_EQ(runtimeDirectory(), "/tmp");
}

}  // namespace
}  // namespace lumaro::platform::linuxos
