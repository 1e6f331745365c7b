// Advisory whole-file locks, as the work folders and the temporary result files use them to
// tell a file in use from one left behind by a process that ended.
#pragma once

#include <sys/file.h>

#include <cerrno>

namespace ferolan {

enum class LockWait { kNo, kYes };

// flock, taken again when a signal interrupts the wait.
inline bool Flock(int fd, int operation) {
  for (;;) {
    if (::flock(fd, operation) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// Takes an exclusive lock on the open file; false when another holder has it (kNo) or the file
// system refuses locks.
inline bool LockExclusive(int fd, LockWait wait) {
  return Flock(fd, LOCK_EX | (wait == LockWait::kNo ? LOCK_NB : 0));
}

}  // namespace ferolan
