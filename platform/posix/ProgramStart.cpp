#include "platform/runtime/ProgramStart.h"

namespace ferolan {

// The loader searches nothing the program did not name: libraries are opened by full path.
bool ProtectProgramStart() { return true; }

}  // namespace ferolan
