// Windows speaks UTF-16; the program's own text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ferolan::console {

// Each unpaired surrogate, and each byte that is not well-formed UTF-8, becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring ToUtf16(std::string_view text);

}  // namespace ferolan::console
