// The bytes that may still be written below a folder, for checks made before writing much.
#pragma once

#include <cstdint>

namespace ferolan {

// The bytes free for the caller on the disk of the folder open as `folder`; the largest number
// when unknown, so that the writes tell.
std::uint64_t FreeBytes(int folder);

}  // namespace ferolan
