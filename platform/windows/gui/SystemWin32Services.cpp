#include "platform/windows/gui/SystemWin32Services.h"

#include <windows.h>

#include "platform/windows/gui/Handles.h"

namespace ferolan::windows {

SystemWin32Services::SystemWin32Services() : scope_(*this) {}

winapi::LONG SystemWin32Services::SetWindowLongA(winapi::HWND hWnd, int nIndex,
                                                 winapi::LONG dwNewLong) {
  // Only the dialog's answer is kept, at its place in the system's window data.
  if (nIndex != 0) return 0;
  return static_cast<winapi::LONG>(
      ::SetWindowLongPtrW(HandleOf<::HWND>(hWnd), DWLP_MSGRESULT, dwNewLong));
}

winapi::HWND SystemWin32Services::GetParent(winapi::HWND hWnd) {
  return NumberOf(::GetParent(HandleOf<::HWND>(hWnd)));
}

winapi::BOOL SystemWin32Services::GetWindowRect(winapi::HWND hWnd, winapi::RECT* lpRect) {
  ::RECT rect;
  if (lpRect == nullptr || !::GetWindowRect(HandleOf<::HWND>(hWnd), &rect)) return 0;
  *lpRect = {rect.left, rect.top, rect.right, rect.bottom};
  return 1;
}

winapi::BOOL SystemWin32Services::SetWindowPos(winapi::HWND hWnd, winapi::HWND hWndInsertAfter,
                                               int X, int Y, int cx, int cy, winapi::UINT uFlags) {
  return ::SetWindowPos(HandleOf<::HWND>(hWnd), HandleOf<::HWND>(hWndInsertAfter), X, Y, cx, cy,
                        uFlags);
}

winapi::BOOL SystemWin32Services::SystemParametersInfoA(winapi::UINT uiAction, winapi::UINT uiParam,
                                                        winapi::LPVOID pvParam,
                                                        winapi::UINT fWinIni) {
  if (uiAction != SPI_GETWORKAREA || pvParam == nullptr) return 0;
  ::RECT area;
  if (!::SystemParametersInfoW(uiAction, uiParam, &area, fWinIni)) return 0;
  *static_cast<winapi::RECT*>(pvParam) = {area.left, area.top, area.right, area.bottom};
  return 1;
}

int SystemWin32Services::GetSystemMetrics(int nIndex) {
  return nIndex == SM_CXSCREEN || nIndex == SM_CYSCREEN ? ::GetSystemMetrics(nIndex) : 0;
}

}  // namespace ferolan::windows
