#include "platform/windows/window/SystemWin32Services.h"

#include <windows.h>

#include "platform/windows/window/Handles.h"

namespace ferolan::windows {

SystemWin32Services::SystemWin32Services() : scope_(*this) {}

win32::LONG SystemWin32Services::SetWindowLongA(win32::HWND hWnd, int nIndex,
                                                win32::LONG dwNewLong) {
  // Only the dialog's answer is kept, at its place in the system's window data.
  if (nIndex != 0) return 0;
  return static_cast<win32::LONG>(
      ::SetWindowLongPtrW(HandleOf<::HWND>(hWnd), DWLP_MSGRESULT, dwNewLong));
}

win32::HWND SystemWin32Services::GetParent(win32::HWND hWnd) {
  return NumberOf(::GetParent(HandleOf<::HWND>(hWnd)));
}

win32::BOOL SystemWin32Services::GetWindowRect(win32::HWND hWnd, win32::RECT* lpRect) {
  ::RECT rect;
  if (lpRect == nullptr || !::GetWindowRect(HandleOf<::HWND>(hWnd), &rect)) return 0;
  *lpRect = {rect.left, rect.top, rect.right, rect.bottom};
  return 1;
}

win32::BOOL SystemWin32Services::SetWindowPos(win32::HWND hWnd, win32::HWND hWndInsertAfter, int X,
                                              int Y, int cx, int cy, win32::UINT uFlags) {
  return ::SetWindowPos(HandleOf<::HWND>(hWnd), HandleOf<::HWND>(hWndInsertAfter), X, Y, cx, cy,
                        uFlags);
}

win32::BOOL SystemWin32Services::SystemParametersInfoA(win32::UINT uiAction, win32::UINT uiParam,
                                                       win32::LPVOID pvParam, win32::UINT fWinIni) {
  if (uiAction != SPI_GETWORKAREA || pvParam == nullptr) return 0;
  ::RECT area;
  if (!::SystemParametersInfoW(uiAction, uiParam, &area, fWinIni)) return 0;
  *static_cast<win32::RECT*>(pvParam) = {area.left, area.top, area.right, area.bottom};
  return 1;
}

int SystemWin32Services::GetSystemMetrics(int nIndex) {
  return nIndex == SM_CXSCREEN || nIndex == SM_CYSCREEN ? ::GetSystemMetrics(nIndex) : 0;
}

}  // namespace ferolan::windows
