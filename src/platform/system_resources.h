#pragma once

namespace lumaro::platform {

// The free share of the 16-bit system resources of the 95/98/Me family, by kind (0 system, 1 GDI,
// 2 user). Other systems have none: open() fails and nothing is ever low.
class SystemResources {
 public:
  virtual ~SystemResources() = default;

  // Sets the probe up; false when the resources cannot be read here.
  virtual bool open() = 0;
  // The free percentage of a kind, 0..65535, after a successful open.
  virtual int freePercent(int kind) = 0;
  virtual void close() = 0;
};

}  // namespace lumaro::platform
