#include "platform/runtime/HeldSignals.h"

#include <pthread.h>
#include <signal.h>

#include <array>
#include <atomic>
#include <string>

#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// Signal numbers run from 1 to _NSIG - 1, the real-time ones included.
constexpr int kSignals = _NSIG;

struct Hold {
  sigset_t previousMask;
  std::array<struct sigaction, kSignals> previousActions;
  std::array<bool, kSignals> replaced;
};
Hold hold;
// Set from a signal handler: the signal arrived while held.
std::array<std::atomic<bool>, kSignals> arrived{};

// Those whose default action ends the program; the others stop it, continue it or are ignored.
bool EndsTheProgram(int signal) {
  switch (signal) {
    case SIGKILL:  // nobody can hold these two
    case SIGSTOP:
    case SIGCHLD:
    case SIGCONT:
    case SIGURG:
    case SIGWINCH:
    case SIGTSTP:
    case SIGTTIN:
    case SIGTTOU:
      return false;
    default:
      return true;
  }
}

bool IsFault(int signal) {
  return signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE || signal == SIGILL ||
         signal == SIGTRAP || signal == SIGSYS;
}

// Other threads of the process (a window system's, say) do not block the signals; a signal
// sent to the process may reach one of them, so it is recorded here and raised again later.
// A fault that the system raised in such a thread must still end the program: the default
// action comes back, and the faulting instruction runs again under it.
void RecordArrival(int signal, siginfo_t* info, void*) {
  if (IsFault(signal) && info != nullptr && info->si_code > 0) {
    struct sigaction fallBack {};
    fallBack.sa_handler = SIG_DFL;
    ::sigaction(signal, &fallBack, nullptr);
    return;
  }
  arrived[static_cast<std::size_t>(signal)] = true;
}

void RestoreActions() {
  for (int signal = 1; signal < kSignals; ++signal) {
    const auto i = static_cast<std::size_t>(signal);
    if (!hold.replaced[i]) continue;
    ::sigaction(signal, &hold.previousActions[i], nullptr);
    hold.replaced[i] = false;
  }
}

}  // namespace

HeldSignals::HeldSignals() {
  sigset_t all;
  sigfillset(&all);
  if (::pthread_sigmask(SIG_BLOCK, &all, &hold.previousMask) != 0) {
    RaiseNaming(kErrInvalidArgument, texts::kSignals, texts::kSignalsRefused);
  }
  struct sigaction record {};
  record.sa_sigaction = RecordArrival;
  record.sa_mask = all;
  record.sa_flags = SA_SIGINFO | SA_RESTART;
  for (int signal = 1; signal < kSignals; ++signal) {
    const auto i = static_cast<std::size_t>(signal);
    arrived[i] = false;
    hold.replaced[i] = false;
    if (!EndsTheProgram(signal)) continue;
    // The C library keeps a few signals for itself and refuses them: they are not ours to hold.
    if (::sigaction(signal, nullptr, &hold.previousActions[i]) != 0) continue;
    if (hold.previousActions[i].sa_handler == SIG_IGN) continue;
    if (::sigaction(signal, &record, nullptr) != 0) {
      RestoreActions();
      ::pthread_sigmask(SIG_SETMASK, &hold.previousMask, nullptr);
      RaiseNaming(kErrInvalidArgument, "signal " + std::to_string(signal), texts::kSignalRefused);
    }
    hold.replaced[i] = true;
  }
}

HeldSignals::~HeldSignals() {
  RestoreActions();
  // Still blocked in this thread: each signal raised here waits until the mask is restored,
  // then takes effect as it would have.
  for (int signal = 1; signal < kSignals; ++signal) {
    if (arrived[static_cast<std::size_t>(signal)].exchange(false)) ::raise(signal);
  }
  ::pthread_sigmask(SIG_SETMASK, &hold.previousMask, nullptr);
}

}  // namespace ferolan
