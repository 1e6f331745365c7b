#include "platform/win32/Help.h"

#include "platform/win32/Win32Services.h"

namespace ferolan::win32 {

BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  return Win32ServicesScope::Installed("window functions")
      .WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
}

}  // namespace ferolan::win32
