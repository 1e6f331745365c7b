// SplitText's way of cutting a text, without copying, and its 16-bit position rule, shared
// with the scans that keep only the part of a text where SplitText could find its separator.
#pragma once

#include <cstddef>
#include <string_view>

namespace ferolan::Module1 {

// The last position at which SplitText finds a separator without overflow.
inline constexpr std::size_t kLastPositionBeforeLast = 32767;
inline constexpr std::size_t kLastPositionAfterFirst = 32766;

// Raises the overflow error when a separator found at the 1-based `position` lies beyond the
// range of SplitText's positions.
void CheckSplitPosition(std::size_t position, bool beforeLast);

// SplitText's result as a view into `text`.
std::string_view SplitView(std::string_view text, std::string_view separator, bool beforeLast);

}  // namespace ferolan::Module1
