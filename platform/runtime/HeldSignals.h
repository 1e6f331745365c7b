// Holds back what would end the program from outside, for as long as the object lives, so that
// a few steps that belong together are not cut in two; what arrived meanwhile takes effect as
// soon as the object goes. What nobody can hold still ends the program at once: SIGKILL and a
// power cut everywhere, a console closed for longer than the system waits on Windows. One hold
// at a time: what ends a program belongs to the whole process. Declared once:
//   - POSIX: every signal whose default ends the program, the real-time ones included; one the
//     program ignores stays ignored, and a fault of the program's own (a bad memory access)
//     still ends it at once.
//   - Windows: Ctrl+C, Ctrl+Break, closing the console, logging off and shutting down; an event
//     waits in the thread the system runs it in, then goes on to the program's other handlers.
#pragma once

namespace ferolan {

class HeldSignals {
 public:
  // Raises the runtime's error, and holds nothing, when the system refuses to hold them.
  HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;
  ~HeldSignals();
};

}  // namespace ferolan
