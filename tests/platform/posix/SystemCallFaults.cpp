// The test program's own definitions of the system calls that faults are made in, standing in
// front of the C library's and passing every call on to it unless a fault says otherwise.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "tests/platform/SystemCallFaults.h"

namespace ferolan::testing {

const int kKilledStatus = 128 + SIGKILL;

void EndAfterCall(Failure failure, int signal) {
  ::raise(failure == Failure::kDeath ? SIGKILL : signal);
}

namespace {

// Whether the call fails; -1 with errno set is then its answer.
bool Fails(SystemCall call) {
  const std::optional<Failure> failure = FailureBefore(call);
  if (!failure) return false;
  errno = *failure == Failure::kRefused ? EPERM : *failure == Failure::kUnsupported ? EINVAL : EIO;
  return true;
}

int Answer(SystemCall call, int result) {
  if (result == 0) AfterSuccess(call);
  return result;
}

template <class Function>
Function* Next(const char* name) {
  return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}  // namespace
}  // namespace ferolan::testing

using ferolan::testing::Answer;
using ferolan::testing::Fails;
using ferolan::testing::Next;
using ferolan::testing::SystemCall;

extern "C" int renameat2(int from, const char* oldName, int to, const char* newName,
                         unsigned flags) noexcept {
  if (Fails(SystemCall::kNameChangeAtOnce) || Fails(SystemCall::kNameChange)) return -1;
  static auto* next = Next<int(int, const char*, int, const char*, unsigned)>("renameat2");
  return Answer(SystemCall::kNameChange, next(from, oldName, to, newName, flags));
}

extern "C" int renameat(int from, const char* oldName, int to, const char* newName) noexcept {
  if (Fails(SystemCall::kNameChange)) return -1;
  static auto* next = Next<int(int, const char*, int, const char*)>("renameat");
  return Answer(SystemCall::kNameChange, next(from, oldName, to, newName));
}

extern "C" int linkat(int from, const char* oldName, int to, const char* newName,
                      int flags) noexcept {
  if (Fails(SystemCall::kNameChange)) return -1;
  static auto* next = Next<int(int, const char*, int, const char*, int)>("linkat");
  return Answer(SystemCall::kNameChange, next(from, oldName, to, newName, flags));
}

extern "C" int unlinkat(int folder, const char* name, int flags) noexcept {
  if (Fails(SystemCall::kNameChange)) return -1;
  static auto* next = Next<int(int, const char*, int)>("unlinkat");
  return Answer(SystemCall::kNameChange, next(folder, name, flags));
}

extern "C" int fsync(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && Fails(SystemCall::kFsyncFolder)) {
    return -1;
  }
  static auto* next = Next<int(int)>("fsync");
  return next(fd);
}

extern "C" int sigaction(int signal, const struct sigaction* action,
                         struct sigaction* previous) noexcept {
  if (action != nullptr && Fails(SystemCall::kSigaction)) return -1;
  static auto* next = Next<int(int, const struct sigaction*, struct sigaction*)>("sigaction");
  return next(signal, action, previous);
}
