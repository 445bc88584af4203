#pragma once
#include <string>

#include "platform/contract/contract.h"
#include "platform/process_launcher.h"

namespace lumaro::platform::contract {

struct ProcessLauncherSubject {
  virtual ~ProcessLauncherSubject() = default;
  virtual ProcessLauncher& launcher() = 0;
  // A fresh folder whose name holds a blank, as "Program Files" does.
  virtual std::string folder() = 0;
  // The command line of a program in folder() that takes a moment, then creates the file `name` in
  // its current directory; and one of a program that does not exist.
  virtual std::string commandCreating(const std::string& name) = 0;
  virtual std::string missingProgram() = 0;
  // Whether the file `name` exists in folder().
  virtual bool created(const std::string& name) = 0;
};

class ProcessLauncherContract : public ContractTest<ProcessLauncherSubject> {};

}  // namespace lumaro::platform::contract
