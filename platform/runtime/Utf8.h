// Reading UTF-8 text one character at a time, and whether a whole text is UTF-8, for the code
// that must tell well-formed text from bytes in another encoding (names shown to the user, names
// stored in archives).
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

// Whether `text` is well-formed UTF-8 from end to end; ASCII is. An archive stores only such
// names and comments: libzip reads any other back as if it were in the old DOS code page, and
// so not as the bytes that were stored.
bool IsUtf8(std::string_view text);

}  // namespace ferolan
