// Archives of zeros whose deflated data and declared sizes are chosen freely: a small entry
// that declares gigabytes, one that really inflates to gigabytes, one that inflates far beyond
// what it declares, many entries that share one piece of data. Written by hand, as no archiver
// writes a lie.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ferolan::testing {

inline constexpr std::uint64_t kMiB = 1 << 20;

// Deflated zeros stored once and listed under each of `names`.
struct SharedData {
  std::vector<std::string> names;
  std::uint64_t declaredSize;
  std::uint64_t inflatedSize;  // a whole number of MiB; both sizes stay below 4 GiB
};

void MakeSharedDataArchive(const std::string& path, const std::vector<SharedData>& pieces);

// One entry.
void MakeZipBomb(const std::string& path, const std::string& entryName, std::uint64_t declaredSize,
                 std::uint64_t inflatedSize);

}  // namespace ferolan::testing
