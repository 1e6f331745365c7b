#include "platform/runtime/ProgramStart.h"

#include <windows.h>

namespace ferolan {

// Before the first DLL that anything loads by name, the system's dialogs' included: once made,
// the search leaves out the current folder and PATH for the whole process.
bool ProtectProgramStart() {
  return ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32 |
                                    LOAD_LIBRARY_SEARCH_APPLICATION_DIR) != 0;
}

}  // namespace ferolan
