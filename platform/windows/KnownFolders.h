// Where Windows keeps the user's folders: the shell's known folders and the environment that
// names them.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

namespace ferolan {

// The folder the shell knows by `id`, in UTF-16; empty when it has none.
std::wstring KnownFolder(REFKNOWNFOLDERID id);

// The environment variable's value; empty when it is unset.
std::wstring EnvironmentVariable(const wchar_t* name);

}  // namespace ferolan
