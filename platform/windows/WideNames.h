// The program's texts are UTF-8; Windows takes its names in UTF-16. A name the ANSI code page
// cannot hold is refused at this edge: the program names its files in that code page, and a
// name it cannot write would reach another file, or one named with "?", on the way. The plain
// conversions, which raise nothing, come with it (Utf16Of, Utf8Of).
#pragma once

#include <string>
#include <string_view>

#include "platform/windows/Utf16.h"

namespace ferolan {

// `path` in UTF-16 for a Windows call. Raises a path error (76) whose French description names
// the folder or file name that the ANSI code page cannot hold (or that is not UTF-8), and the
// whole path.
std::wstring WidePath(const std::string& path);

// Whether the ANSI code page holds every character of `text` (UTF-8), as it is.
bool AnsiCodePageHolds(std::string_view text);

}  // namespace ferolan
