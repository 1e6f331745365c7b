// POSIX's error codes are errno values already.
#include "platform/runtime/FileErrno.h"

namespace ferolan {

int FileErrnoOf(int systemError, const std::string&) { return systemError; }

}  // namespace ferolan
