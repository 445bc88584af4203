#pragma once

namespace lumaro::platform {

// How many decimals a spin edit's view shows: the fewest that show its increment exactly (at most 6).
int decimalsOf(double increment);

}  // namespace lumaro::platform
