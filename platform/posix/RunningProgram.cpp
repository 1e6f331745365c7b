#include "platform/runtime/RunningProgram.h"

#include <system_error>

namespace ferolan {

// Linux names the program's file there; where there is no /proc, nothing is known.
std::filesystem::path RunningProgramFile() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe;
}

}  // namespace ferolan
