#pragma once
#include <string>

#include "platform/contract/contract.h"
#include "platform/files.h"

namespace lumaro::platform::contract {

struct FilesSubject {
  virtual ~FilesSubject() = default;
  virtual Files& files() = 0;
  // An existing folder, and a regular file in it, as this backend's paths spell them.
  virtual std::string existingFolder() = 0;
  virtual std::string existingFile() = 0;
  // A path below `folder` that does not exist.
  virtual std::string absentPathIn(const std::string& folder) = 0;
  // Hands what lies at `path` to another user; lets every user add files to `folder`. False when
  // that cannot be arranged with this backend.
  virtual bool giveAway(const std::string& path) = 0;
  virtual bool share(const std::string& folder) = 0;
};

class FilesContract : public ContractTest<FilesSubject> {};

}  // namespace lumaro::platform::contract
