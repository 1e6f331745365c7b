// Text exchanged with the zip libraries through byte buffers that they own.
#pragma once

#include <cstddef>
#include <string>

namespace ferolan {

// The bytes of `buffer` up to its first NUL or its first `bound` bytes, whichever ends first;
// empty for a null buffer.
std::string ReadLibraryText(const char* buffer, std::size_t bound);

// Puts a password into a library's buffer of `size` bytes: clears its first bytes (at most
// `bound` + 1), writes at most `bound` bytes of `text`, cut to leave room, and a NUL after them.
// False, with the buffer untouched, when it has no room even for the NUL.
bool WritePassword(char* buffer, std::size_t size, const std::string& text, std::size_t bound);

}  // namespace ferolan
