// A lock on a name in a folder, taken by every conversion that writes under that name, so that
// two conversions of the same export never mix their results. The lock is a hidden file beside
// the name, open unshared and removed when its last handle closes, a killed process's included.
#pragma once

#include <chrono>
#include <string>

#include "platform/windows/UniqueHandle.h"

namespace ferolan {

class NameLock {
 public:
  // Takes the lock of `path`, waiting at most `wait` for another holder to let it go. Raises
  // the runtime's error, naming `path`, when the wait ends first or the lock file cannot be
  // made.
  NameLock(const std::string& path, std::chrono::milliseconds wait);

 private:
  UniqueHandle lock_;
};

}  // namespace ferolan
