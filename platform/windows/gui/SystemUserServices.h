// The user-facing services on Windows: the system's message boxes, a modal password box, the
// system's wait cursor and a PeekMessage loop. It installs itself while it lives.
#pragma once

#include "platform/runtime/UserServices.h"

namespace ferolan::windows {

class SystemUserServices : public UserServices {
 public:
  SystemUserServices();
  ~SystemUserServices() override;

  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void SetMousePointer(int pointer) override;
  void ProcessPendingEvents() override;

  // Whether the wait cursor is asked for: the program's windows show it over themselves.
  static bool HourglassShown();

 private:
  ServicesScope scope_;
};

}  // namespace ferolan::windows
