// The test the dialogs apply to flag bits: a bit counts as set when all of it is set.
#pragma once

#include <cstdint>

namespace ferolan {

inline bool HasFlag(int32_t flags, uint32_t bit) {
  return (static_cast<uint32_t>(flags) & bit) == bit;
}

}  // namespace ferolan
