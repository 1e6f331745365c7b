// Advisory whole-file locks, as the work folders and the temporary result files use them to
// tell a file in use from one left behind by a process that ended.
#pragma once

#include <sys/file.h>

#include <cerrno>

namespace ferolan {

enum class LockWait { kNo, kYes };

// Takes an exclusive lock on the open file; false when another holder has it (kNo) or the file
// system refuses locks.
inline bool LockExclusive(int fd, LockWait wait) {
  const int operation = LOCK_EX | (wait == LockWait::kNo ? LOCK_NB : 0);
  for (;;) {
    if (::flock(fd, operation) == 0) return true;
    if (errno != EINTR) return false;
  }
}

inline bool LockShared(int fd) {
  for (;;) {
    if (::flock(fd, LOCK_SH) == 0) return true;
    if (errno != EINTR) return false;
  }
}

}  // namespace ferolan
