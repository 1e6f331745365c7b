// The window functions on Windows: the system's own common dialogs, windows and screen. Our
// records carry UTF-8 texts and 32-bit window handles; each call turns them into the system's
// wide records and back, and the hook of a file dialog gets the system's messages in our
// records. It installs itself while it lives.
#pragma once

#include "platform/win32/Win32Services.h"

namespace ferolan::windows {

class SystemWin32Services : public win32::Win32Services {
 public:
  SystemWin32Services();

  win32::BOOL GetOpenFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::BOOL GetSaveFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::DWORD CommDlgExtendedError() override { return extendedError_; }
  win32::LONG SetWindowLongA(win32::HWND hWnd, int nIndex, win32::LONG dwNewLong) override;
  win32::HWND GetParent(win32::HWND hWnd) override;
  win32::BOOL GetWindowRect(win32::HWND hWnd, win32::RECT* lpRect) override;
  win32::BOOL SetWindowPos(win32::HWND hWnd, win32::HWND hWndInsertAfter, int X, int Y, int cx,
                           int cy, win32::UINT uFlags) override;
  win32::BOOL SystemParametersInfoA(win32::UINT uiAction, win32::UINT uiParam,
                                    win32::LPVOID pvParam, win32::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;

  win32::BOOL ChooseColorA(win32::CHOOSECOLORA* lpcc) override;
  win32::BOOL ChooseFontA(win32::CHOOSEFONTA* lpcf) override;
  win32::DWORD GetSysColor(int nIndex) override;
  int GetDeviceCaps(win32::HDC hdc, int index) override;

  win32::BOOL PrintDlgA(win32::PRINTDLGA* pPD) override;
  win32::BOOL PageSetupDlgA(win32::PAGESETUPDLGA* pPSD) override;
  win32::BOOL DeleteDC(win32::HDC hdc) override;

  // The system has no help viewer for these files any more: the program's own shows them.
  win32::BOOL WinHelpA(win32::HWND hWndMain, win32::LPCSTR lpszHelp, win32::UINT uCommand,
                       win32::ULONG_PTR dwData) override;

 private:
  win32::BOOL FileDialog(win32::OPENFILENAMEA* lpofn, bool save);

  // Set by every dialog: the system's CommDlgExtendedError, or our own when a record cannot
  // be carried over (a buffer too small for the UTF-8 answer).
  win32::DWORD extendedError_ = 0;
  win32::Win32ServicesScope scope_;
};

}  // namespace ferolan::windows
