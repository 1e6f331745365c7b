#include "platform/runtime/FreeSpace.h"

#include <sys/statvfs.h>

namespace ferolan {

std::uint64_t FreeBytes(int folder) {
  struct statvfs disk {};
  if (::fstatvfs(folder, &disk) != 0) return UINT64_MAX;
  return static_cast<std::uint64_t>(disk.f_bavail) * disk.f_frsize;
}

}  // namespace ferolan
