#include "platform/runtime/Utf8.h"

namespace ferolan {

std::optional<Utf8Character> FirstUtf8Character(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length;
  char32_t code;
  if (lead < 0x80) {
    return Utf8Character{lead, 1};
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return std::nullopt;
  return Utf8Character{code, length};
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const auto character = FirstUtf8Character(text);
    if (!character) return false;
    text.remove_prefix(character->length);
  }
  return true;
}

}  // namespace ferolan
