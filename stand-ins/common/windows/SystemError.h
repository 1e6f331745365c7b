// Windows errors as errno values, the form in which libzip reports its own, so that one table
// of French texts serves both.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// The errno value of a Windows error; 0 for an error with no counterpart.
int ErrnoOf(DWORD error);

// The French text of the calling thread's last Windows error.
std::string LastErrorText();

}  // namespace standin
