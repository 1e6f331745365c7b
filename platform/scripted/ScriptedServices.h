// User-facing services for tests: every call is recorded, and answers come from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime/UserServices.h"

namespace ferolan {

class ScriptedServices : public UserServices {
 public:
  struct Message {
    std::string text;
    int style;
    std::string title;
    bool operator==(const Message&) const = default;
  };
  struct TextRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
    bool operator==(const TextRequest&) const = default;
  };

  // Installs itself for the process while it lives.
  ScriptedServices();

  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void SetMousePointer(int pointer) override;
  void ProcessPendingEvents() override;

  // Answers for the coming message boxes, in order; vbOK once the script is used up.
  std::deque<int> messageAnswers;
  // Answers for the coming text-input boxes, in order; the empty text once used up.
  std::deque<std::string> textAnswers;
  // Runs at every processing of pending events, as a window event would.
  std::function<void()> onPendingEvents;

  std::vector<Message> messages;
  std::vector<TextRequest> textRequests;
  std::vector<int> pointers;
  int pendingEventRounds = 0;

 private:
  ServicesScope scope_;
};

}  // namespace ferolan
