#pragma once

namespace lumaro::platform {

// The desktop clipboard.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // Empties it. When another program holds it, nothing happens and nothing is reported.
  virtual void clear() = 0;
};

}  // namespace lumaro::platform
