#pragma once
#include <string>

#include "platform/contract/contract.h"
#include "platform/file_store.h"

namespace lumaro::platform::contract {

struct FileStoreSubject {
  virtual ~FileStoreSubject() = default;
  virtual FileStore& store() = 0;
  // A fresh, existing, writable folder for this test.
  virtual std::string folder() = 0;
  // `relative` ('/'-separated) below folder(), as this backend spells paths.
  virtual std::string pathOf(const std::string& relative) = 0;
  // Makes the existing file at `path` one the store may not replace / cannot read; false when that
  // cannot be arranged with this backend.
  virtual bool makeReadOnly(const std::string& path) = 0;
  virtual bool makeUnreadable(const std::string& path) = 0;
};

class FileStoreContract : public ContractTest<FileStoreSubject> {};

}  // namespace lumaro::platform::contract
