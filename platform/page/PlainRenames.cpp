// The page's file system knows plain renames only.
#include <cerrno>

#include "platform/posix/Renames.h"

namespace ferolan {

bool RenameExchange(int, const char*, const char*) {
  errno = EINVAL;
  return false;
}

bool RenameNoReplace(int, const char*, const char*) {
  errno = EINVAL;
  return false;
}

}  // namespace ferolan
