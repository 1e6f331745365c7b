#include "commondialog/cCommonDialog.h"
#include "commondialog/cMemory.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/winapi/FormatMessage.h"
#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/Help.h"
#include "platform/winapi/Kernel.h"
#include "platform/winapi/LastError.h"

namespace ferolan {

using namespace winapi;

namespace {

constexpr int32_t kHelpWinInfoSize = sizeof(HELPWININFOA);

}  // namespace

void cCommonDialog::ShowHelp() {
  try {
    CallHelp();
  } catch (const RuntimeError& error) {
    throw RuntimeError(error.Number(), App::EXEName() + ".cCommonDialog", error.Description());
  }
}

void cCommonDialog::CallHelp() {
  m_bUseParent = false;
  if (m_lHelpCommand == static_cast<int32_t>(HELP_MULTIKEY) ||
      m_lHelpCommand == static_cast<int32_t>(HELP_SETWINPOS)) {
    throw RuntimeError(kErrInvalidHelpCommand, "",
                       "Invalid WinHelp Command Passed to ShowHelp function.");
  }
  if (WinHelpA(m_lhWnd, m_sHelpFile.c_str(), static_cast<UINT>(m_lHelpCommand), 0) != 0) return;
  const DWORD code = GetLastError();
  if (code == ERROR_SUCCESS) {
    throw RuntimeError(kErrHelpFailed, "", "L'aide n'a pas pu être affichée.");
  }
  throw RuntimeError(static_cast<long>(code), "", SystemErrorText(code));
}

std::string cCommonDialog::SystemErrorText(uint32_t code) {
  char buffer[256];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, buffer, sizeof buffer, nullptr);
  return std::string(buffer, length);
}

void cCommonDialog::SetHelpPosition(int32_t X, int32_t y, int32_t dx, int32_t dy,
                                    int32_t eWindowType) {
  const HELPWININFOA tWinInfo{kHelpWinInfoSize, X, y, dx, dy, eWindowType, {'\0', '\0'}};
  cMemory cMem;  // frees the block when it goes
  cMem.AllocateMemory(kHelpWinInfoSize, GMEM_ZEROINIT);
  // Without a block there is nothing to send the record in.
  void* address = cMem.Pointer();
  if (address == nullptr) return;
  RtlMoveMemory(address, &tWinInfo, sizeof tWinInfo);
  WinHelpA(m_lhWnd, m_sHelpFile.c_str(), HELP_SETWINPOS, reinterpret_cast<ULONG_PTR>(address));
}

}  // namespace ferolan
