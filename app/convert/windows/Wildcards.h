// The wildcard expansion that a POSIX shell does before the program starts and cmd.exe and
// PowerShell leave to the program: `ferolan-convert *.jad`, `ferolan-convert dossier\*.jad`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ferolan::console {

// True when `name` matches `pattern` whole: * for any run of characters, ? for one, the rest
// compared without case, as Windows compares file names.
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);

// The files (not folders) that `argument` names when its last part holds * or ?, each as the
// folder part as typed followed by the file's name, in UTF-8, sorted by code point as a POSIX
// shell sorts in the C.UTF-8 locale. A name starting with a dot is matched only by a pattern
// that does too, as in the shell. An argument with no wildcard in its last part, or one that
// matches no file, is returned alone, as typed.
std::vector<std::string> ExpandWildcards(const std::wstring& argument);

}  // namespace ferolan::console
