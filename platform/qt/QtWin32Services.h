// The window functions over Qt: file dialogs are non-native QFileDialogs, window handles stand
// for widgets (WindowTable.h), and the screen is the primary screen. It installs itself while
// it lives; a QApplication must exist for as long.
#pragma once

#include "platform/winapi/Win32Services.h"

namespace ferolan::qt {

class QtWin32Services : public winapi::Win32Services {
 public:
  QtWin32Services();

  winapi::BOOL GetOpenFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::BOOL GetSaveFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::DWORD CommDlgExtendedError() override { return extendedError_; }
  // Only DWL_MSGRESULT; 0 for any other value.
  winapi::LONG SetWindowLongA(winapi::HWND hWnd, int nIndex, winapi::LONG dwNewLong) override;
  winapi::HWND GetParent(winapi::HWND hWnd) override;
  winapi::BOOL GetWindowRect(winapi::HWND hWnd, winapi::RECT* lpRect) override;
  // Moves, sizes (outer size), stacks (HWND_TOP, HWND_BOTTOM or below a given window), shows,
  // hides and activates, as the flags ask.
  winapi::BOOL SetWindowPos(winapi::HWND hWnd, winapi::HWND hWndInsertAfter, int X, int Y, int cx,
                            int cy, winapi::UINT uFlags) override;
  winapi::BOOL SystemParametersInfoA(winapi::UINT uiAction, winapi::UINT uiParam,
                                     winapi::LPVOID pvParam, winapi::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;
  // A non-native QColorDialog and QFontDialog; the system colours from the application's
  // palette; the primary screen's logical dots per inch.
  winapi::BOOL ChooseColorA(winapi::CHOOSECOLORA* lpcc) override;
  winapi::BOOL ChooseFontA(winapi::CHOOSEFONTA* lpcf) override;
  winapi::DWORD GetSysColor(int nIndex) override;
  int GetDeviceCaps(winapi::HDC hdc, int index) override;

  // QPrintDialog and QPageSetupDialog over the default printer, or a PDF file without one.
  winapi::BOOL PrintDlgA(winapi::PRINTDLGA* pPD) override;
  winapi::BOOL PageSetupDlgA(winapi::PAGESETUPDLGA* pPSD) override;
  winapi::BOOL DeleteDC(winapi::HDC hdc) override;

  // A help window of our own (WinHelp.h).
  winapi::BOOL WinHelpA(winapi::HWND hWndMain, winapi::LPCSTR lpszHelp, winapi::UINT uCommand,
                        winapi::ULONG_PTR dwData) override;

 private:
  winapi::BOOL FileDialog(winapi::OPENFILENAMEA* lpofn, bool save);

  winapi::DWORD extendedError_ = 0;
  winapi::Win32ServicesScope scope_;
};

}  // namespace ferolan::qt
