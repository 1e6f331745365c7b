// A lock on a name in a folder, taken by every conversion that writes under that name, so that
// two conversions of the same export (or of E.jad and its copy E.JAD) never mix their results.
// The lock is a hidden file beside the name (ResultNames.h); a process that ends, even killed,
// lets it go, and the next lock of the same name takes the file over. Declared once;
// platform/posix locks the file with flock, platform/windows holds it open unshared.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace ferolan {

class NameLock {
 public:
  // Takes the lock of `path`, waiting at most `wait` for another holder to let it go (a holder
  // may be a process that was stopped). Raises the runtime's error, naming `path`, when the
  // wait ends first or the lock file cannot be made. Where the file system keeps no locks
  // (POSIX), nothing is held.
  NameLock(const std::string& path, std::chrono::milliseconds wait);
  NameLock(const NameLock&) = delete;
  NameLock& operator=(const NameLock&) = delete;
  // Removes the lock file, then lets the lock go.
  ~NameLock();

 private:
  // The platform's own: the lock file, held.
  struct Held;

  std::unique_ptr<Held> held_;
};

}  // namespace ferolan
