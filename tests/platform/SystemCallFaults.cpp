#include "tests/platform/SystemCallFaults.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace ferolan::testing {

namespace {

struct Fault {
  bool armed = false;
  int nth = 0;
  int error = 0;
  int signal = 0;
  int calls = 0;
};
std::array<Fault, static_cast<std::size_t>(SystemCall::kCount)> faults;

}  // namespace

// Whether the call fails; -1 with errno set is then its answer.
bool Fails(SystemCall call) {
  Fault& fault = faults[static_cast<std::size_t>(call)];
  if (!fault.armed || fault.error == 0) return false;
  if (fault.nth != 0 && ++fault.calls != fault.nth) return false;
  errno = fault.error;
  return true;
}

int Answer(SystemCall call, int result) {
  Fault& fault = faults[static_cast<std::size_t>(call)];
  if (fault.armed && fault.error == 0 && result == 0 && ++fault.calls == fault.nth) {
    ::raise(fault.signal);
  }
  return result;
}

SystemCallFault::SystemCallFault(SystemCall call, int nth, int error, int signal) : call_(call) {
  faults[static_cast<std::size_t>(call)] = {true, nth, error, signal, 0};
}

SystemCallFault::~SystemCallFault() { faults[static_cast<std::size_t>(call_)] = {}; }

template <class Function>
Function* Next(const char* name) {
  return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}  // namespace ferolan::testing

using ferolan::testing::Answer;
using ferolan::testing::Fails;
using ferolan::testing::Next;
using ferolan::testing::SystemCall;

extern "C" int renameat2(int from, const char* oldName, int to, const char* newName,
                         unsigned flags) noexcept {
  if (Fails(SystemCall::kRenameat2)) return -1;
  static auto* next = Next<int(int, const char*, int, const char*, unsigned)>("renameat2");
  return Answer(SystemCall::kRenameat2, next(from, oldName, to, newName, flags));
}

extern "C" int renameat(int from, const char* oldName, int to, const char* newName) noexcept {
  if (Fails(SystemCall::kRenameat)) return -1;
  static auto* next = Next<int(int, const char*, int, const char*)>("renameat");
  return Answer(SystemCall::kRenameat, next(from, oldName, to, newName));
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
