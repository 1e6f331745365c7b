#include "platform/runtime/LastByte.h"

#include <cstring>

namespace ferolan {

// glibc's and musl's memrchr read a word or a vector at a time.
const char* LastByte(const char* data, char byte, std::size_t size) {
  return static_cast<const char*>(::memrchr(data, byte, size));
}

}  // namespace ferolan
