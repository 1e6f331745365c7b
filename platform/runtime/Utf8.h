// Reading UTF-8 text one character at a time, for the code that must tell well-formed text from
// bytes in another encoding (names shown to the user, names stored in archives).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace ferolan {

struct Utf8Character {
  char32_t code;
  std::size_t length;  // in bytes, 1 to 4
};

// The character that `text` starts with. Empty when `text` is empty or starts with no
// well-formed UTF-8: a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a code above U+10FFFF.
std::optional<Utf8Character> FirstUtf8Character(std::string_view text);

}  // namespace ferolan
