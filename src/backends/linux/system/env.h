#pragma once

namespace lumaro::platform::linuxos {

// The value of an environment variable, or nullptr when it is unset or empty (an empty value counts as
// unset, as the XDG conventions ask).
const char* nonEmptyEnv(const char* name);

}  // namespace lumaro::platform::linuxos
