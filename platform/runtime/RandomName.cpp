#include "platform/runtime/RandomName.h"

#include <vector>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

std::string RandomLetters(std::size_t count) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::vector<unsigned char> bytes(count);
  if (!SystemRandomBytes(bytes.data(), count)) {
    throw RuntimeError(kErrDeviceIO, App::EXEName(),
                       "Le système ne fournit pas de nombres aléatoires : Ferolan ne peut pas "
                       "donner de noms imprévisibles à ses fichiers de travail.");
  }
  std::string letters;
  for (unsigned char byte : bytes) letters += kLetters[byte % (sizeof kLetters - 1)];
  return letters;
}

}  // namespace ferolan
