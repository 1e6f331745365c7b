#include "platform/runtime/UserServices.h"

#include "platform/runtime/App.h"

namespace ferolan {

UserServices& Services() { return ServicesScope::Installed("user-facing services"); }

int MsgBox(const std::string& text, int style, const std::optional<std::string>& title) {
  return Services().ShowMessage(text, style, title.value_or(App::Title()));
}

std::string InputBox(const std::string& prompt, const std::optional<std::string>& title,
                     const std::string& defaultText) {
  return Services().AskText(prompt, title.value_or(App::Title()), defaultText);
}

void SetMousePointer(int pointer) { Services().SetMousePointer(pointer); }

void DoEvents() { Services().ProcessPendingEvents(); }

}  // namespace ferolan
