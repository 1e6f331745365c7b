// Holds back every signal that would end the program, for as long as the object lives, so that
// a few steps that belong together are not cut in two; a signal that arrived meanwhile takes
// effect as soon as the object goes. SIGKILL and SIGSTOP cannot be held by anyone; a signal
// that the program ignores stays ignored; a fault of the program's own (a bad memory access)
// still ends it at once. One hold at a time: signal dispositions belong to the whole process.
#pragma once

namespace ferolan {

class HeldSignals {
 public:
  // Raises the runtime's error, and holds nothing, when the system refuses to hold a signal.
  HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;
  ~HeldSignals();
};

}  // namespace ferolan
