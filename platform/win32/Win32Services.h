// The Windows functions that need a window system. One implementation is installed for the
// whole process (the Qt one in the program, a scripted one in tests); the free functions of
// WindowFunctions.h and CommonDialogs.h call it.
#pragma once

#include "platform/runtime/Installation.h"
#include "platform/win32/ChooseDialogs.h"
#include "platform/win32/CommonDialogs.h"
#include "platform/win32/PrintDialogs.h"
#include "platform/win32/Help.h"
#include "platform/win32/WindowFunctions.h"

namespace ferolan::win32 {

class Win32Services {
 public:
  virtual ~Win32Services() = default;

  virtual BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn) = 0;
  virtual BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn) = 0;
  virtual DWORD CommDlgExtendedError() = 0;
  virtual LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) = 0;
  virtual HWND GetParent(HWND hWnd) = 0;
  virtual BOOL GetWindowRect(HWND hWnd, RECT* lpRect) = 0;
  virtual BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                            UINT uFlags) = 0;
  virtual BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni) = 0;
  virtual int GetSystemMetrics(int nIndex) = 0;

  // The colour and font dialogs, the system colours and the screen's resolution.
  virtual BOOL ChooseColorA(CHOOSECOLORA* lpcc) = 0;
  virtual BOOL ChooseFontA(CHOOSEFONTA* lpcf) = 0;
  virtual DWORD GetSysColor(int nIndex) = 0;
  virtual int GetDeviceCaps(HDC hdc, int index) = 0;
  virtual BOOL PrintDlgA(PRINTDLGA* pPD) = 0;
  virtual BOOL PageSetupDlgA(PAGESETUPDLGA* pPSD) = 0;
  virtual BOOL DeleteDC(HDC hdc) = 0;
  virtual BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) = 0;
};

// Installs window functions for the process while the scope lives, and restores the previous.
using Win32ServicesScope = InstallationScope<Win32Services>;

}  // namespace ferolan::win32
