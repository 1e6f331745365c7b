// A size or a measure as a whole number, as the runtime converts it: to the nearest integer,
// halves to the even one; a value outside the 32-bit range raises the overflow error.
#pragma once

#include <cstdint>

namespace ferolan {

int32_t RoundToLong(double value);

}  // namespace ferolan
