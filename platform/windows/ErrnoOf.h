// Windows' error codes (GetLastError) as errno values: the one error space that the runtime's
// file errors and the libraries' French texts are written in, as libzip reports its own errors
// in errno values on Windows too. Depends on nothing but the system, so that the libraries
// beside the program compile it too.
#pragma once

#include <windows.h>

namespace ferolan {

// The errno value of a Windows error code; 0 for a code with no counterpart.
int ErrnoOf(DWORD error);

}  // namespace ferolan
