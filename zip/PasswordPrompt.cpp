#include "zip/PasswordPrompt.h"

#include <string>

#include "platform/runtime/UserServices.h"
#include "zip/LibraryText.h"
#include "zip/SkipOnFailure.h"

namespace ferolan::mZipDLLProc {

int32_t AskPassword(char* buffer, uint32_t size, std::size_t bound) noexcept {
  std::string answer;
  SkipOnFailure([&] { answer = InputBox("Please Enter The Password!"); });
  if (answer.empty()) return 1;
  return WritePassword(buffer, size, answer, bound) ? 0 : 1;
}

}  // namespace ferolan::mZipDLLProc
