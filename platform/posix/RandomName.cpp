#include "platform/posix/RandomName.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

std::string RandomLetters(std::size_t count) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::vector<unsigned char> bytes(count);
  // getentropy gives at most 256 bytes a call, and blocks only before the system has entropy.
  // A signal is the only failure worth another try: the others would fail for ever.
  for (std::size_t got = 0; got < count;) {
    const std::size_t ask = std::min<std::size_t>(count - got, 256);
    if (::getentropy(bytes.data() + got, ask) == 0) {
      got += ask;
    } else if (errno != EINTR) {
      throw RuntimeError(kErrDeviceIO, App::EXEName(),
                         "Le système ne fournit pas de nombres aléatoires : Ferolan ne peut pas "
                         "donner de noms imprévisibles à ses fichiers de travail.");
    }
  }
  std::string letters;
  for (unsigned char byte : bytes) letters += kLetters[byte % (sizeof kLetters - 1)];
  return letters;
}

}  // namespace ferolan
