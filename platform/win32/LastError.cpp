#include "platform/win32/LastError.h"

namespace ferolan::win32 {

namespace {
thread_local DWORD last_error = ERROR_SUCCESS;
}

DWORD GetLastError() { return last_error; }

void SetLastError(DWORD dwErrCode) { last_error = dwErrCode; }

}  // namespace ferolan::win32
