#include "platform/win32/Win32Services.h"

#include <cstdlib>
#include <iostream>

namespace ferolan::win32 {

namespace {

Win32Services* installed = nullptr;

// Calling a window function while no implementation is installed is a programming error.
Win32Services& Installed() {
  if (installed == nullptr) {
    std::cerr << "ferolan: no window functions are installed\n";
    std::abort();
  }
  return *installed;
}

}  // namespace

Win32ServicesScope::Win32ServicesScope(Win32Services& services) : previous_(installed) {
  installed = &services;
}

Win32ServicesScope::~Win32ServicesScope() { installed = previous_; }

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

}  // namespace ferolan::win32
