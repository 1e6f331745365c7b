// A lock on a name in a folder, taken by every conversion that writes under that name, so that
// two conversions of the same export (or of E.jad and its copy E.JAD) never mix their results.
// The lock is a hidden file beside the name, named after it with its letter case folded, so
// that names are compared at least as loosely as the folder compares them (FAT ignores case).
// A process that was killed leaves the file; the next lock of the same name takes it over.
#pragma once

#include <chrono>
#include <string>

#include "platform/posix/UniqueFd.h"

namespace ferolan {

class NameLock {
 public:
  // Takes the lock of `path`, waiting at most `wait` for another holder to let it go (a holder
  // may be a process that was stopped). Raises the runtime's error, naming `path`, when the
  // wait ends first or the lock file cannot be made. Where the file system keeps no locks,
  // nothing is held.
  NameLock(const std::string& path, std::chrono::milliseconds wait);
  NameLock(const NameLock&) = delete;
  NameLock& operator=(const NameLock&) = delete;
  // Removes the lock file, then lets the lock go.
  ~NameLock();

 private:
  UniqueFd folder_;
  std::string name_;
  UniqueFd lock_;
};

}  // namespace ferolan
