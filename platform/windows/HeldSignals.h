// Holds back what would end a console program (Ctrl+C, Ctrl+Break, closing the console, the
// user logging off or the system shutting down) for as long as the object lives, so that a few
// steps that belong together are not cut in two. An event that arrives meanwhile waits, in the
// thread the system runs it in, and then goes on to the program's other handlers (the last of
// which ends the program) as soon as the object goes. The system waits a few seconds at most
// for a closing console. One hold at a time: console handlers belong to the whole process.
#pragma once

namespace ferolan {

class HeldSignals {
 public:
  // Raises the runtime's error, and holds nothing, when the system refuses the handler.
  HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;
  ~HeldSignals();
};

}  // namespace ferolan
