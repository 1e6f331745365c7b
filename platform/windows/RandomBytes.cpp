#include <windows.h>

#include <bcrypt.h>

#include "platform/runtime/RandomName.h"

namespace ferolan {

bool SystemRandomBytes(unsigned char* into, std::size_t count) {
  return BCRYPT_SUCCESS(
      ::BCryptGenRandom(nullptr, into, static_cast<ULONG>(count), BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

}  // namespace ferolan
