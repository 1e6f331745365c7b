// The test that the dialogs and their records apply to flag bits: a flag counts as set when all
// of its bits are.
#pragma once

#include <cstdint>

namespace ferolan {

constexpr bool HasFlag(uint32_t flags, uint32_t bit) { return (flags & bit) == bit; }

}  // namespace ferolan
