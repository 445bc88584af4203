#pragma once
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace lumaro::platform::fake {

// Records every write as "<key>\<name>=<value>", in order; refuses all of them while `failing`.
class FakeRegistry : public Registry {
 public:
  bool setDword(const std::string& key, const std::string& name, std::uint32_t value) override {
    if (failing) return false;
    const std::string path = key + '\\' + name;
    writes.push_back(path + '=' + std::to_string(value));
    values[spellingOf(path)] = value;
    return true;
  }

  // The spelling `values` keeps `path` under: the first one written, as names ignore case.
  std::string spellingOf(const std::string& path) const {
    for (const auto& entry : values) {
      if (std::equal(path.begin(), path.end(), entry.first.begin(), entry.first.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
          }))
        return entry.first;
    }
    return path;
  }

  bool failing = false;
  std::vector<std::string> writes;
  // The last value written under each "<key>\<name>".
  std::map<std::string, std::uint32_t> values;
};

}  // namespace lumaro::platform::fake
