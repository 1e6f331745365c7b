#include "platform/runtime/UserServices.h"

#include <cstdlib>
#include <iostream>

#include "platform/runtime/App.h"

namespace ferolan {

namespace {

UserServices* installed = nullptr;

}  // namespace

ServicesScope::ServicesScope(UserServices& services) : previous_(installed) {
  installed = &services;
}

ServicesScope::~ServicesScope() { installed = previous_; }

UserServices& Services() {
  if (installed == nullptr) {
    std::cerr << "ferolan: no user-facing services are installed\n";
    std::abort();
  }
  return *installed;
}

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
