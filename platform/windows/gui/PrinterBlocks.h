// A printer's device-mode and device-names blocks between our records and the system's: ours
// are our own global-memory handles with DEVMODEA (UTF-8 names) and DEVNAMES (UTF-8 texts at
// byte offsets), the system's its HGLOBALs with DEVMODEW and DEVNAMES (UTF-16 texts at
// character offsets). Each function makes a new block of the other side, which its caller
// frees; none (0 or null) for none given, a block too small for its record, or no memory.
#pragma once

#include "platform/winapi/GlobalMemory.h"

#include <windows.h>

namespace ferolan::windows {

::HGLOBAL SystemDevMode(winapi::HGLOBAL ours);
::HGLOBAL SystemDevNames(winapi::HGLOBAL ours);
winapi::HGLOBAL OurDevMode(::HGLOBAL system);
winapi::HGLOBAL OurDevNames(::HGLOBAL system);

}  // namespace ferolan::windows
