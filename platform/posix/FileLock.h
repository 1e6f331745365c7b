// Advisory whole-file locks, as the work folders and the temporary result files use them to
// tell a file in use from one left behind by a process that ended. Nothing ever waits for a
// lock: a holder may be a process that was stopped.
#pragma once

#include <sys/file.h>

#include <cerrno>

namespace ferolan {

// Takes an exclusive lock on the open file without waiting; false when another holder has it
// or the file system refuses locks.
inline bool TryLockExclusive(int fd) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EINTR) return false;
  }
}

}  // namespace ferolan
