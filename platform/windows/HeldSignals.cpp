#include "platform/runtime/HeldSignals.h"

#include <windows.h>

#include <atomic>

#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

std::atomic<bool> holding{false};

// Called first, as the last handler installed, in a thread of its own: waiting here delays
// every other handler, the system's own included, until the hold ends.
BOOL WINAPI WaitForTheHold(DWORD) {
  holding.wait(true);
  return FALSE;
}

}  // namespace

HeldSignals::HeldSignals() {
  holding = true;
  if (::SetConsoleCtrlHandler(WaitForTheHold, TRUE) == 0) {
    holding = false;
    RaiseNaming(kErrInvalidArgument, texts::kSignals, texts::kSignalsRefused);
  }
}

HeldSignals::~HeldSignals() {
  holding = false;
  holding.notify_all();
  ::SetConsoleCtrlHandler(WaitForTheHold, FALSE);
}

}  // namespace ferolan
