// Makes chosen system calls of the test program fail as a file system, a disk pulled out or a
// kernel could make them fail, or end the program right after them, as a kill would. On POSIX
// the test program's own definitions of those calls stand in front of the C library's; on
// Windows the runtime makes them through a table (platform/windows/FileCalls.h).
#pragma once

#include <optional>

namespace ferolan::testing {

enum class SystemCall {
  // Every call that gives a file a name or takes one away: renameat, renameat2, linkat and
  // unlinkat (POSIX); MoveFileExW, CreateHardLinkW and DeleteFileW (Windows).
  kNameChange,
  // The calls by which a file replaces another without a moment when the final name is free:
  // renameat2 (POSIX), CreateHardLinkW (Windows). Made to fail as kUnsupported, they stand for a
  // FAT stick; they do not count as name changes then.
  kNameChangeAtOnce,
  kFsyncFolder,  // POSIX: fsync of a folder
  kSigaction,    // POSIX: sigaction setting an action
  kCount,
};

enum class Failure {
  kIo,           // the device fails, as a USB stick pulled out does
  kRefused,      // the system refuses, as for a permission
  kUnsupported,  // the file system cannot do it
  kDeath,        // the call is made, then the program is killed (SIGKILL, TerminateProcess)
  kSignal,       // the call is made, then `signal` is raised in the calling thread (POSIX)
};

class SystemCallFault {
 public:
  // The `nth` call of `call` from now on (1 for the next; 0 for every one) fails as `failure`
  // says, and with `lasting` every call after it too. Lasts until the object goes.
  SystemCallFault(SystemCall call, int nth, Failure failure, bool lasting = false, int signal = 0);
  ~SystemCallFault();
  SystemCallFault(const SystemCallFault&) = delete;
  SystemCallFault& operator=(const SystemCallFault&) = delete;

  // Whether the call the fault waits for was made.
  bool Struck() const;

 private:
  SystemCall call_;
};

// The exit status of a program that a kDeath fault killed, as RunThisProgram reports it.
extern const int kKilledStatus;

// What the stand-in calls ask. Before a call: the failure it is to meet, if any. After a call
// that succeeded: ends the program or raises the signal, when the fault waits for that call.
std::optional<Failure> FailureBefore(SystemCall call);
void AfterSuccess(SystemCall call);
// Each platform's way of ending the program, or of raising `signal`, after a call.
void EndAfterCall(Failure failure, int signal);

}  // namespace ferolan::testing
