// The window functions on Windows: the system's own common dialogs, windows and screen. Our
// records carry UTF-8 texts and 32-bit window handles; each call turns them into the system's
// wide records and back, and the hook of a file dialog gets the system's messages in our
// records. It installs itself while it lives.
#pragma once

#include "platform/winapi/Win32Services.h"

namespace ferolan::windows {

class SystemWin32Services : public winapi::Win32Services {
 public:
  SystemWin32Services();

  winapi::BOOL GetOpenFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::BOOL GetSaveFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::DWORD CommDlgExtendedError() override { return extendedError_; }
  winapi::LONG SetWindowLongA(winapi::HWND hWnd, int nIndex, winapi::LONG dwNewLong) override;
  winapi::HWND GetParent(winapi::HWND hWnd) override;
  winapi::BOOL GetWindowRect(winapi::HWND hWnd, winapi::RECT* lpRect) override;
  winapi::BOOL SetWindowPos(winapi::HWND hWnd, winapi::HWND hWndInsertAfter, int X, int Y, int cx,
                            int cy, winapi::UINT uFlags) override;
  winapi::BOOL SystemParametersInfoA(winapi::UINT uiAction, winapi::UINT uiParam,
                                     winapi::LPVOID pvParam, winapi::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;

  winapi::BOOL ChooseColorA(winapi::CHOOSECOLORA* lpcc) override;
  winapi::BOOL ChooseFontA(winapi::CHOOSEFONTA* lpcf) override;
  winapi::DWORD GetSysColor(int nIndex) override;
  int GetDeviceCaps(winapi::HDC hdc, int index) override;

  winapi::BOOL PrintDlgA(winapi::PRINTDLGA* pPD) override;
  winapi::BOOL PageSetupDlgA(winapi::PAGESETUPDLGA* pPSD) override;
  winapi::BOOL DeleteDC(winapi::HDC hdc) override;

  // The system has no help viewer for these files any more: the program's own shows them.
  winapi::BOOL WinHelpA(winapi::HWND hWndMain, winapi::LPCSTR lpszHelp, winapi::UINT uCommand,
                        winapi::ULONG_PTR dwData) override;

 private:
  winapi::BOOL FileDialog(winapi::OPENFILENAMEA* lpofn, bool save);

  // Set by every dialog: the system's CommDlgExtendedError, or our own when a record cannot
  // be carried over (a buffer too small for the UTF-8 answer).
  winapi::DWORD extendedError_ = 0;
  winapi::Win32ServicesScope scope_;
};

}  // namespace ferolan::windows
