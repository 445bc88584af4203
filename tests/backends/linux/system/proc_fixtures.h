#pragma once
#include <fstream>
#include <sstream>
#include <string>

namespace lumaro::platform::linuxos::testing {

// A recorded /proc under tests/fixtures/proc/<machine>.
inline std::string procFixture(const std::string& machine) {
  return LUMARO_FIXTURES "/proc/" + machine;
}

inline std::string readProcFixture(const std::string& machine, const std::string& file) {
  std::ifstream in(procFixture(machine) + "/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace lumaro::platform::linuxos::testing
