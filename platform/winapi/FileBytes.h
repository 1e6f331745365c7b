// The whole of a small file, read through the system's own calls: what differs between the
// systems is how a file is opened and how its failures are told.
#pragma once

#include <string>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

// Appends the file's bytes to `bytes`: 0 once read, else the system error code (ERROR_*) that
// opening or reading it met, a folder being ERROR_ACCESS_DENIED.
DWORD ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace ferolan::winapi
