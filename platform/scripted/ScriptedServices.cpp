#include "platform/scripted/ScriptedServices.h"

namespace ferolan {

ScriptedServices::ScriptedServices() : scope_(*this) {}

int ScriptedServices::ShowMessage(const std::string& text, int style, const std::string& title) {
  messages.push_back({text, style, title});
  if (messageAnswers.empty()) return vbOK;
  const int answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::string ScriptedServices::AskText(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  textRequests.push_back({prompt, title, defaultText});
  if (textAnswers.empty()) return {};
  std::string answer = std::move(textAnswers.front());
  textAnswers.pop_front();
  return answer;
}

void ScriptedServices::SetMousePointer(int pointer) { pointers.push_back(pointer); }

void ScriptedServices::ProcessPendingEvents() {
  ++pendingEventRounds;
  if (onPendingEvents) onPendingEvents();
}

}  // namespace ferolan
