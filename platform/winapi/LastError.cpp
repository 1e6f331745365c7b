#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

namespace {
thread_local DWORD last_error = ERROR_SUCCESS;
}

DWORD GetLastError() { return last_error; }

void SetLastError(DWORD dwErrCode) { last_error = dwErrCode; }

}  // namespace ferolan::winapi
