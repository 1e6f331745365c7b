// User-facing services for the page: every message is kept, in order, for the page to show in
// its status area; nothing waits for an answer.
#pragma once

#include <string>
#include <vector>

#include "platform/runtime/UserServices.h"

namespace ferolan {

class PageServices : public UserServices {
 public:
  // Keeps the text. A question is answered No, so that nothing is replaced without the user.
  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  // Nobody can type an answer in the middle of a conversion: the empty text, as for a cancel.
  std::string AskText(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void SetMousePointer(int) override {}
  void ProcessPendingEvents() override {}

  // The messages shown since the last call, oldest first.
  std::vector<std::string> TakeMessages();

 private:
  std::vector<std::string> messages_;
};

}  // namespace ferolan
