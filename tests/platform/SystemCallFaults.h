// Makes chosen system calls of the test program fail, or be followed by a signal, as a file
// system or a kernel could make them: the test program's own definitions of those calls stand
// in front of the C library's and pass every other call on to it.
#pragma once

namespace ferolan::testing {

enum class SystemCall { kRenameat2, kRenameat, kFsyncFolder, kSigaction, kCount };

// The `nth` call of `call` from now on (1 for the next) fails with `error`, or, when `error` is
// 0, succeeds and is followed by `signal` raised in the calling thread. Every call of a kind
// fails when `nth` is 0. Lasts until the object goes.
class SystemCallFault {
 public:
  SystemCallFault(SystemCall call, int nth, int error, int signal = 0);
  ~SystemCallFault();
  SystemCallFault(const SystemCallFault&) = delete;
  SystemCallFault& operator=(const SystemCallFault&) = delete;

 private:
  SystemCall call_;
};

// What the stand-in calls ask before they pass a call on.
bool Fails(SystemCall call);
int Answer(SystemCall call, int result);

}  // namespace ferolan::testing
