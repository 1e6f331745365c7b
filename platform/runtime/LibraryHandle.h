// How a library named as the program's external libraries are is opened, searched and closed:
// loaded from a file on the desktop, linked into the module in the page.
#pragma once

#include <string>

namespace ferolan::library_handle {

// The handle of the library `name`; null, with the reason in `reason`, when there is none.
void* Open(const std::string& name, std::string& reason);
// The address of `entry` in the library; null when it has none.
void* Find(void* handle, const std::string& entry);
void Close(void* handle);

}  // namespace ferolan::library_handle
