// Holds back the signals that end a program (SIGINT, SIGTERM, SIGHUP, SIGQUIT) for as long as the
// object lives, so that a few steps that belong together are not cut in two; a signal that
// arrived meanwhile takes effect as soon as the object goes.
#pragma once

#include <signal.h>

#include <array>

namespace ferolan {

class HeldSignals {
 public:
  HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;
  ~HeldSignals();

 private:
  sigset_t previousMask_{};
  std::array<struct sigaction, 4> previousActions_{};
};

}  // namespace ferolan
