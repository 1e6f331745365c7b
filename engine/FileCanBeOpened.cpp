#include <fcntl.h>
#include <sys/stat.h>

#include "engine/Module1.h"
#include "platform/posix/UniqueFd.h"

namespace ferolan::Module1 {

// Why the file cannot be opened does not matter here. Anything but a regular file is refused
// before it is opened, as opening a FIFO waits for a writer and opening a device may act on it;
// the open itself does not wait either, in case the name changed in between.
bool FileCanBeOpened(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const UniqueFd probe(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  return probe.Valid() && ::fstat(probe.Get(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace ferolan::Module1
