// The 16-bit position rule of SplitText, shared with the scans that keep only the part of a
// text where SplitText could still find its separator.
#pragma once

#include <cstddef>

namespace ferolan::Module1 {

// The last position at which SplitText finds a separator without overflow.
inline constexpr std::size_t kLastPositionBeforeLast = 32767;
inline constexpr std::size_t kLastPositionAfterFirst = 32766;

// Raises the overflow error when a separator found at the 1-based `position` lies beyond the
// range of SplitText's positions.
void CheckSplitPosition(std::size_t position, bool beforeLast);

}  // namespace ferolan::Module1
