// Calls of the test's own in the runtime's table of file calls, passing each call on to the
// program's own unless a fault says otherwise.
#include <windows.h>

#include "platform/windows/FileCalls.h"
#include "tests/platform/SystemCallFaults.h"

namespace ferolan::testing {

const int kKilledStatus = 137;

void EndAfterCall(Failure, int) { ::TerminateProcess(::GetCurrentProcess(), kKilledStatus); }

namespace {

const FileCalls kSystem;

// Whether the call fails; FALSE with the last error set is then its answer.
bool Fails(SystemCall call) {
  const std::optional<Failure> failure = FailureBefore(call);
  if (!failure) return false;
  ::SetLastError(*failure == Failure::kRefused       ? ERROR_ACCESS_DENIED
                 : *failure == Failure::kUnsupported ? ERROR_INVALID_FUNCTION
                                                     : ERROR_NOT_READY);
  return true;
}

BOOL Answer(BOOL result) {
  if (result != 0) AfterSuccess(SystemCall::kNameChange);
  return result;
}

BOOL WINAPI FaultyMoveFileEx(LPCWSTR from, LPCWSTR to, DWORD flags) {
  if (Fails(SystemCall::kNameChange)) return FALSE;
  return Answer(kSystem.moveFileEx(from, to, flags));
}

BOOL WINAPI FaultyCreateHardLink(LPCWSTR name, LPCWSTR existing, LPSECURITY_ATTRIBUTES security) {
  if (Fails(SystemCall::kNameChangeAtOnce) || Fails(SystemCall::kNameChange)) return FALSE;
  return Answer(kSystem.createHardLink(name, existing, security));
}

BOOL WINAPI FaultyDeleteFile(LPCWSTR name) {
  if (Fails(SystemCall::kNameChange)) return FALSE;
  return Answer(kSystem.deleteFile(name));
}

// In place for the whole test program: each call passes on while no fault is armed.
[[maybe_unused]] const bool kInstalled = [] {
  SystemFileCalls() = {FaultyMoveFileEx, FaultyCreateHardLink, FaultyDeleteFile};
  return true;
}();

}  // namespace
}  // namespace ferolan::testing
