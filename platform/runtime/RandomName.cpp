#include "platform/runtime/RandomName.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

namespace ferolan {

std::string RandomLetters(std::size_t count) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::vector<unsigned char> bytes(count);
  // getentropy gives at most 256 bytes a call, and blocks only before the system has entropy.
  for (std::size_t got = 0; got < count;) {
    const std::size_t ask = std::min<std::size_t>(count - got, 256);
    if (::getentropy(bytes.data() + got, ask) == 0) got += ask;
  }
  std::string letters;
  for (unsigned char byte : bytes) letters += kLetters[byte % (sizeof kLetters - 1)];
  return letters;
}

}  // namespace ferolan
