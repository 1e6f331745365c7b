#include "platform/runtime/LastByte.h"

namespace ferolan {

// Windows' C library has no reverse search.
const char* LastByte(const char* data, char byte, std::size_t size) {
  for (std::size_t at = size; at > 0; --at) {
    if (data[at - 1] == byte) return data + at - 1;
  }
  return nullptr;
}

}  // namespace ferolan
