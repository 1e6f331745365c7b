// The running program's own file, as the system reports it: the platform's to find.
#pragma once

#include <filesystem>

namespace ferolan {

// The full path of the running program's file; empty when the system cannot tell.
std::filesystem::path RunningProgramFile();

}  // namespace ferolan
