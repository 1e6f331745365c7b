// The window functions over Qt: file dialogs are non-native QFileDialogs, window handles stand
// for widgets (WindowTable.h), and the screen is the primary screen. It installs itself while
// it lives; a QApplication must exist for as long.
#pragma once

#include "platform/win32/Win32Services.h"

namespace ferolan::qt {

class QtWin32Services : public win32::Win32Services {
 public:
  QtWin32Services();

  win32::BOOL GetOpenFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::BOOL GetSaveFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::DWORD CommDlgExtendedError() override { return extendedError_; }
  // Only DWL_MSGRESULT; 0 for any other value.
  win32::LONG SetWindowLongA(win32::HWND hWnd, int nIndex, win32::LONG dwNewLong) override;
  win32::HWND GetParent(win32::HWND hWnd) override;
  win32::BOOL GetWindowRect(win32::HWND hWnd, win32::RECT* lpRect) override;
  // Moves, sizes (outer size), stacks (HWND_TOP, HWND_BOTTOM or below a given window), shows,
  // hides and activates, as the flags ask.
  win32::BOOL SetWindowPos(win32::HWND hWnd, win32::HWND hWndInsertAfter, int X, int Y, int cx,
                           int cy, win32::UINT uFlags) override;
  win32::BOOL SystemParametersInfoA(win32::UINT uiAction, win32::UINT uiParam,
                                    win32::LPVOID pvParam, win32::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;
  // A non-native QColorDialog and QFontDialog; the system colours from the application's
  // palette; the primary screen's logical dots per inch.
  win32::BOOL ChooseColorA(win32::CHOOSECOLORA* lpcc) override;
  win32::BOOL ChooseFontA(win32::CHOOSEFONTA* lpcf) override;
  win32::DWORD GetSysColor(int nIndex) override;
  int GetDeviceCaps(win32::HDC hdc, int index) override;

  // QPrintDialog and QPageSetupDialog over the default printer, or a PDF file without one.
  win32::BOOL PrintDlgA(win32::PRINTDLGA* pPD) override;
  win32::BOOL PageSetupDlgA(win32::PAGESETUPDLGA* pPSD) override;
  win32::BOOL DeleteDC(win32::HDC hdc) override;

  // A help window of our own (WinHelp.h).
  win32::BOOL WinHelpA(win32::HWND hWndMain, win32::LPCSTR lpszHelp, win32::UINT uCommand,
                       win32::ULONG_PTR dwData) override;

 private:
  win32::BOOL FileDialog(win32::OPENFILENAMEA* lpofn, bool save);

  win32::DWORD extendedError_ = 0;
  win32::Win32ServicesScope scope_;
};

}  // namespace ferolan::qt
