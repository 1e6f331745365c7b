// Unpredictable names for private folders and temporary files, so that nobody can prepare a
// file or link under the name that will be used.
#pragma once

#include <cstddef>
#include <string>

namespace ferolan {

// `count` lower-case letters and digits from the system's random source. Raises a RuntimeError
// with a French description when that source fails.
std::string RandomLetters(std::size_t count);

// Fills `into` with `count` bytes from the system's random source; false when it fails. Each
// system has its own.
bool SystemRandomBytes(unsigned char* into, std::size_t count);

}  // namespace ferolan
