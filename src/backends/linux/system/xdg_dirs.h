#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// The XDG base folders, without a trailing separator. A relative or empty variable is ignored, as the
// XDG convention asks; the fall-backs are under $HOME (else the user's home from the password file).
std::string xdgDataHome();    // $XDG_DATA_HOME, else ~/.local/share
std::string xdgConfigHome();  // $XDG_CONFIG_HOME, else ~/.config

}  // namespace lumaro::platform::linuxos
