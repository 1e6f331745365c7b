// User-facing services for the command-line converter: every message is printed on standard
// output instead of shown, and nothing waits for an answer.
#pragma once

#include <ostream>

#include "platform/runtime/UserServices.h"

namespace ferolan {

class ConsoleServices : public UserServices {
 public:
  explicit ConsoleServices(std::ostream& out) : out_(out) {}

  // Prints the text on a line of its own, each CR as a line break. A question is answered
  // No, so that nothing is replaced without the user.
  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  // Nobody is there to type an answer: the empty text, as for a cancel.
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void SetMousePointer(int) override {}
  void ProcessPendingEvents() override {}

 private:
  std::ostream& out_;
};

}  // namespace ferolan
