#include "app/request/EscapedError.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UserServices.h"

namespace ferolan {

std::string EscapedErrorText(const std::exception_ptr& raised) {
  return "Error: " + AsRuntimeError(raised).Description();
}

void ShowEscapedError(const std::exception_ptr& raised) noexcept {
  try {
    MsgBox(EscapedErrorText(raised), vbCritical);
  } catch (...) {
    // Nothing is left to show it with.
  }
}

}  // namespace ferolan
