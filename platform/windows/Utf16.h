// Texts between UTF-8, the form the program and its libraries keep them in, and UTF-16, the
// form Windows takes them in. Depends on nothing but the system, so that the libraries beside
// the program compile it too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ferolan {

// `text` in UTF-16, every character as it is; none when `text` is not UTF-8, where a name
// with a replaced character would name another file.
std::optional<std::wstring> ExactUtf16Of(std::string_view text);

// UTF-16 for a text shown by Windows (a title, a caption, a message); what is not UTF-8
// becomes U+FFFD.
std::wstring Utf16Of(std::string_view text);

// UTF-16 from Windows back into UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view text);

}  // namespace ferolan
