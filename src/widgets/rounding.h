#pragma once

namespace lumaro::widgets {

// The nearest integer, an exact half going to the even neighbour (127.5 gives 128, 126.5 gives 126).
long long roundHalfEven(long double value);

}  // namespace lumaro::widgets
