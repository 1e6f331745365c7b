#include "platform/winapi/Win32Services.h"

#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/SystemColors.h"

namespace ferolan::winapi {

namespace {

Win32Services& Installed() { return Win32ServicesScope::Installed("window functions"); }

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn) { return Installed().GetOpenFileNameA(lpofn); }

BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn) { return Installed().GetSaveFileNameA(lpofn); }

DWORD CommDlgExtendedError() { return Installed().CommDlgExtendedError(); }

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  return Installed().SetWindowLongA(hWnd, nIndex, dwNewLong);
}

HWND GetParent(HWND hWnd) { return Installed().GetParent(hWnd); }

BOOL GetWindowRect(HWND hWnd, RECT* lpRect) { return Installed().GetWindowRect(hWnd, lpRect); }

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  return Installed().SetWindowPos(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
}

BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni) {
  return Installed().SystemParametersInfoA(uiAction, uiParam, pvParam, fWinIni);
}

int GetSystemMetrics(int nIndex) { return Installed().GetSystemMetrics(nIndex); }

BOOL ChooseColorA(CHOOSECOLORA* lpcc) { return Installed().ChooseColorA(lpcc); }

BOOL ChooseFontA(CHOOSEFONTA* lpcf) { return Installed().ChooseFontA(lpcf); }

DWORD GetSysColor(int nIndex) { return Installed().GetSysColor(nIndex); }

int GetDeviceCaps(HDC hdc, int index) { return Installed().GetDeviceCaps(hdc, index); }

BOOL PrintDlgA(PRINTDLGA* pPD) { return Installed().PrintDlgA(pPD); }

BOOL PageSetupDlgA(PAGESETUPDLGA* pPSD) { return Installed().PageSetupDlgA(pPSD); }

BOOL DeleteDC(HDC hdc) { return Installed().DeleteDC(hdc); }

BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  return Installed().WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
}

}  // namespace ferolan::winapi
