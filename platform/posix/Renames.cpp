#include "platform/posix/Renames.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>

namespace ferolan {

namespace {

bool Rename2(int folder, const char* from, const char* to, unsigned flags) {
  if (::renameat2(folder, from, folder, to, flags) == 0) return true;
  // A kernel without the call at all is a file system that cannot do it.
  if (errno == ENOSYS) errno = EINVAL;
  return false;
}

}  // namespace

bool RenameExchange(int folder, const char* first, const char* second) {
  return Rename2(folder, first, second, RENAME_EXCHANGE);
}

bool RenameNoReplace(int folder, const char* from, const char* to) {
  return Rename2(folder, from, to, RENAME_NOREPLACE);
}

}  // namespace ferolan
