#pragma once
#include "platform/autostart.h"

namespace lumaro::platform::linuxos {

// Entries as desktop files in $XDG_CONFIG_HOME/autostart (else ~/.config/autostart), named after the
// entry in lower case ("Lumaro" is "lumaro.desktop"), written atomically.
class XdgAutostart : public Autostart {
 public:
  Result writeEntry(const std::string& name, const std::string& command) override;
  std::string folder() override;
};

}  // namespace lumaro::platform::linuxos
