// Whether bytes are UTF-8 text: libzip reads back any other name or comment as if it were in
// the old DOS code page, and so not as the bytes that were stored.
#pragma once

#include <string_view>

namespace standin {

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing
// above U+10FFFF. ASCII is UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace standin
