// The error space of the runtime's file errors (FileErrorNumber, RaiseFileError) is errno's;
// each system gives its own codes in it.
#pragma once

#include <string>

namespace ferolan {

// The errno value of `systemError`, the system's code for a failed call on the file `path`
// (errno itself on POSIX, GetLastError() on Windows); `path` tells apart what the code alone
// does not. 0 for a code with no counterpart.
int FileErrnoOf(int systemError, const std::string& path);

}  // namespace ferolan
