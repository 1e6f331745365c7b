#include "engine/Module1.h"
#include "platform/runtime/FileSystem.h"

namespace ferolan::Module1 {

// Why the file cannot be opened does not matter here; a FIFO or a device is not opened at all.
bool FileCanBeOpened(const std::string& path) { return IsOpenableRegularFile(path); }

}  // namespace ferolan::Module1
