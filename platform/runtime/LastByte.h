// The last occurrence of a byte in a buffer: the C library's reverse search where it has one.
#pragma once

#include <cstddef>

namespace ferolan {

// The last `byte` among the first `size` bytes at `data`; null when there is none.
const char* LastByte(const char* data, char byte, std::size_t size);

}  // namespace ferolan
