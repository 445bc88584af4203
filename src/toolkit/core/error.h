#pragma once
#include <stdexcept>
#include <string>

namespace lumaro::toolkit {

// A failure with a message text. It ends the handler that raised it and reaches the application's
// exception handler.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The silent abort: ends a handler without any report.
class Abort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace lumaro::toolkit
