#include "platform/runtime/HeldSignals.h"

#include <pthread.h>

#include <atomic>
#include <cstddef>

namespace ferolan {

namespace {

constexpr std::array<int, 4> kHeld = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
// One flag per held signal that arrived while held; set from a signal handler.
std::array<std::atomic<bool>, 4> arrived{};

// Other threads of the process (a window system's, say) do not block the signals; a signal
// sent to the process may reach one of them, so it is recorded here and raised again later.
void RecordArrival(int signal) {
  for (std::size_t i = 0; i < kHeld.size(); ++i) {
    if (kHeld[i] == signal) arrived[i] = true;
  }
}

}  // namespace

HeldSignals::HeldSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (int signal : kHeld) sigaddset(&held, signal);
  pthread_sigmask(SIG_BLOCK, &held, &previousMask_);

  struct sigaction record {};
  record.sa_handler = RecordArrival;
  record.sa_mask = held;
  for (std::size_t i = 0; i < kHeld.size(); ++i) {
    arrived[i] = false;
    sigaction(kHeld[i], &record, &previousActions_[i]);
  }
}

HeldSignals::~HeldSignals() {
  for (std::size_t i = 0; i < kHeld.size(); ++i) {
    sigaction(kHeld[i], &previousActions_[i], nullptr);
    // Still blocked in this thread: the signal waits here until the mask is restored.
    if (arrived[i].exchange(false)) ::raise(kHeld[i]);
  }
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace ferolan
