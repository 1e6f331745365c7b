// The page's files live in the worker's memory and in blobs the browser holds, which no disk
// bounds: the limits of what an archive may give decide, as they do on a disk with room.
// Emscripten's own answer, a fixed 2 GB, would refuse entries the program takes.
#include "platform/runtime/FreeSpace.h"

namespace ferolan {

std::uint64_t FreeBytes(int) { return UINT64_MAX; }

}  // namespace ferolan
