// User-facing services for the page: every message is kept, in order, for the page to show in
// its status area; nothing waits for an answer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/UserServices.h"

namespace ferolan {

// A question the conversion asked and no answer was given to yet.
struct PageQuestion {
  std::string prompt;
  std::string title;
};

class PageServices : public UserServices {
 public:
  // `answers` answer the conversion's questions (passwords), in the order they are asked.
  explicit PageServices(std::vector<std::string> answers = {});

  // Keeps the text. A question is answered No, so that nothing is replaced without the user.
  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  // Nobody can type an answer in the middle of a conversion, which runs to its end without
  // waiting: the next of the answers given, else the empty text, as for a cancel, the question
  // kept for the page to ask before it runs the conversion again.
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string&) override;
  void SetMousePointer(int) override {}
  void ProcessPendingEvents() override {}

  // The messages shown since the last call, oldest first.
  std::vector<std::string> TakeMessages();
  // The first question left without an answer, if any.
  const std::optional<PageQuestion>& Unanswered() const { return unanswered_; }

 private:
  std::vector<std::string> messages_;
  std::vector<std::string> answers_;
  std::size_t answered_ = 0;
  std::optional<PageQuestion> unanswered_;
};

}  // namespace ferolan
