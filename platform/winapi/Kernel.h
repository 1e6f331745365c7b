// The kernel functions the common dialogs call: string length, memory copy and loading a
// library by name. They need no window system.
#pragma once

#include <cstddef>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

// The length of a NUL-terminated string; 0 for a null pointer.
int lstrlenA(LPCSTR lpString);

void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length);

// Loads a library found by name as the program's libraries are; 0 when it cannot be loaded.
// Every successful call gives a handle of its own, to be freed once.
HMODULE LoadLibraryA(LPCSTR lpLibFileName);
// Releases a handle given by LoadLibraryA; 0 when the handle names no loaded library.
BOOL FreeLibrary(HMODULE hLibModule);

}  // namespace ferolan::winapi
