// The program's texts are UTF-8; Windows takes its names in UTF-16. A name the ANSI code page
// cannot hold is refused at this edge: the program names its files in that code page, and a
// name it cannot write would reach another file, or one named with "?", on the way.
#pragma once

#include <string>
#include <string_view>

namespace ferolan {

// `path` in UTF-16 for a Windows call. Raises a path error (76) whose French description names
// the folder or file name that the ANSI code page cannot hold (or that is not UTF-8), and the
// whole path.
std::wstring WidePath(const std::string& path);

// Whether the ANSI code page holds every character of `text` (UTF-8), as it is.
bool AnsiCodePageHolds(std::string_view text);

// UTF-16 for a text shown by Windows (a title, a caption, a message); what is not UTF-8
// becomes U+FFFD.
std::wstring Utf16Of(std::string_view text);

// UTF-16 from Windows back into the program's UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view text);

}  // namespace ferolan
