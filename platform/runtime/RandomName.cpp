#include "platform/runtime/RandomName.h"

#include <sys/random.h>

#include <cerrno>
#include <vector>

namespace ferolan {

std::string RandomLetters(std::size_t count) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::vector<unsigned char> bytes(count);
  for (std::size_t got = 0; got < count;) {
    const ssize_t read = ::getrandom(bytes.data() + got, count - got, 0);
    if (read > 0) got += static_cast<std::size_t>(read);
  }
  std::string letters;
  for (unsigned char byte : bytes) letters += kLetters[byte % (sizeof kLetters - 1)];
  return letters;
}

}  // namespace ferolan
