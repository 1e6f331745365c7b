// A 32-bit setting narrowed to the 16 bits that the platform's records give it; a value that
// does not fit is an overflow, never cut.
#pragma once

#include <cstdint>
#include <limits>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

inline int16_t ToInteger(int32_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    Raise(kErrOverflow);
  }
  return static_cast<int16_t>(value);
}

}  // namespace ferolan
