// The user-facing services over Qt: message boxes in the Windows styles, the text-input box,
// the screen-wide mouse pointer and the processing of pending events. Installs itself for
// the process while it lives.
#pragma once

#include "platform/runtime/UserServices.h"

namespace ferolan::qt {

class QtServices : public UserServices {
 public:
  QtServices();
  ~QtServices() override;

  int ShowMessage(const std::string& text, int style, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void SetMousePointer(int pointer) override;
  void ProcessPendingEvents() override;

 private:
  ServicesScope scope_;
  bool hourglass_ = false;
};

}  // namespace ferolan::qt
