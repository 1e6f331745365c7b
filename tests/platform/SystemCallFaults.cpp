#include "tests/platform/SystemCallFaults.h"

#include <array>

namespace ferolan::testing {

namespace {

struct Fault {
  bool armed = false;
  int nth = 0;
  Failure failure = Failure::kIo;
  bool lasting = false;
  int signal = 0;
  int calls = 0;
  bool struck = false;
};
std::array<Fault, static_cast<std::size_t>(SystemCall::kCount)> faults;

Fault& FaultOf(SystemCall call) { return faults[static_cast<std::size_t>(call)]; }

bool AfterTheCall(const Fault& fault) {
  return fault.failure == Failure::kDeath || fault.failure == Failure::kSignal;
}

}  // namespace

std::optional<Failure> FailureBefore(SystemCall call) {
  Fault& fault = FaultOf(call);
  if (!fault.armed || AfterTheCall(fault)) return std::nullopt;
  if (!(fault.struck && fault.lasting) && fault.nth != 0 && ++fault.calls != fault.nth) {
    return std::nullopt;
  }
  fault.struck = true;
  return fault.failure;
}

void AfterSuccess(SystemCall call) {
  Fault& fault = FaultOf(call);
  if (fault.armed && AfterTheCall(fault) && ++fault.calls == fault.nth) {
    fault.struck = true;
    EndAfterCall(fault.failure, fault.signal);
  }
}

SystemCallFault::SystemCallFault(SystemCall call, int nth, Failure failure, bool lasting,
                                 int signal)
    : call_(call) {
  FaultOf(call) = {true, nth, failure, lasting, signal};
}

SystemCallFault::~SystemCallFault() { FaultOf(call_) = {}; }

bool SystemCallFault::Struck() const { return FaultOf(call_).struck; }

}  // namespace ferolan::testing
