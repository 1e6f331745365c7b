#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/runtime/RandomName.h"

namespace ferolan {

// getentropy gives at most 256 bytes a call, and blocks only before the system has entropy.
// A signal is the only failure worth another try: the others would fail for ever.
bool SystemRandomBytes(unsigned char* into, std::size_t count) {
  for (std::size_t got = 0; got < count;) {
    const std::size_t ask = std::min<std::size_t>(count - got, 256);
    if (::getentropy(into + got, ask) == 0) {
      got += ask;
    } else if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

}  // namespace ferolan
