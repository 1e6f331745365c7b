// Archives of one entry of zeros whose deflated data and declared size are chosen freely: a
// small entry that declares gigabytes, one that really inflates to gigabytes, one that inflates
// far beyond what it declares. Written by hand, as no archiver writes a lie.
#pragma once

#include <cstdint>
#include <string>

namespace ferolan::testing {

inline constexpr std::uint64_t kMiB = 1 << 20;

// `inflatedSize` must be a whole number of MiB; both sizes stay below 4 GiB.
void MakeZipBomb(const std::string& path, const std::string& entryName, std::uint64_t declaredSize,
                 std::uint64_t inflatedSize);

}  // namespace ferolan::testing
