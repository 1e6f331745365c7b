#include <cstring>

#include "platform/scripted/ScriptedWin32.h"
#include "platform/winapi/LastError.h"

namespace ferolan {

using namespace winapi;

BOOL ScriptedWin32::WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  HelpCall call{hWndMain, std::nullopt, uCommand, dwData, std::nullopt};
  if (lpszHelp != nullptr) call.file = lpszHelp;
  if (uCommand == HELP_SETWINPOS && dwData != 0) {
    HELPWININFOA position;
    std::memcpy(&position, reinterpret_cast<const void*>(dwData), sizeof position);
    call.position = position;
  }
  helpCalls.push_back(std::move(call));
  if (helpAnswers.empty()) return 1;
  const HelpAnswer answer = helpAnswers.front();
  helpAnswers.pop_front();
  SetLastError(answer.lastError);
  return answer.result;
}

}  // namespace ferolan
