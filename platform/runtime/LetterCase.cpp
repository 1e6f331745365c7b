#include "platform/runtime/LetterCase.h"

namespace ferolan {

namespace {

// `name` with its capitals made small. In UTF-8 the accented capitals of Latin-1, U+00C0 to
// U+00DE but the sign ×, are 0xC3 and one byte that their small letters have 0x20 higher.
std::string Lowered(std::string_view name) {
  std::string lowered(name);
  for (std::size_t i = 0; i < lowered.size(); ++i) {
    const auto byte = static_cast<unsigned char>(lowered[i]);
    if (byte >= 'A' && byte <= 'Z') {
      lowered[i] = static_cast<char>(byte + 0x20);
    } else if (byte == 0xC3 && i + 1 < lowered.size()) {
      const auto next = static_cast<unsigned char>(lowered[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) {
        lowered[++i] = static_cast<char>(next + 0x20);
      }
    }
  }
  return lowered;
}

}  // namespace

bool SameButForCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Lowered(a) == Lowered(b);
}

}  // namespace ferolan
