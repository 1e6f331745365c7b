// The Windows functions that need a window system. One implementation is installed for the
// whole process (the Qt one in the program, a scripted one in tests); the free functions that
// WindowFunctions.h, CommonDialogs.h, ChooseDialogs.h, PrintDialogs.h, SystemColors.h,
// DeviceCaps.h and Help.h declare call it.
#pragma once

#include "platform/runtime/Installation.h"
#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/Help.h"
#include "platform/winapi/PrintDialogs.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan::winapi {

class Win32Services {
 public:
  virtual ~Win32Services() = default;

  // The modal open and save dialogs of the record, with its hook called as the platform calls
  // it. TRUE once the user confirmed: the record's file buffer, title buffer and offsets are
  // filled. FALSE for a cancel and for a failure, which CommDlgExtendedError then tells.
  virtual BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn) = 0;
  virtual BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn) = 0;
  // Why the last common dialog failed (CDERR_*, FNERR_*, CFERR_*, PDERR_*); 0 after a success
  // or a cancel.
  virtual DWORD CommDlgExtendedError() = 0;
  // Sets the value at nIndex of a dialog window; only DWL_MSGRESULT (0), the answer of a hook
  // to a notification, is kept. Returns the previous value; 0 for any other index.
  virtual LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) = 0;
  // The window that holds hWnd; 0 for a top-level window or a handle no window has.
  virtual HWND GetParent(HWND hWnd) = 0;
  // The window's rectangle in screen pixels, a top-level window with its frame. FALSE, with
  // *lpRect untouched, for a handle no window has.
  virtual BOOL GetWindowRect(HWND hWnd, RECT* lpRect) = 0;
  // Moves, sizes (frame included), stacks, shows or hides the window as the SWP_* flags say.
  // FALSE for a handle no window has.
  virtual BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                            UINT uFlags) = 0;
  // Only SPI_GETWORKAREA: the primary screen's area without panels, as a RECT at pvParam.
  // FALSE for any other action, a null pvParam or no screen.
  virtual BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni) = 0;
  // SM_CXSCREEN and SM_CYSCREEN: the primary screen's size in pixels; 0 for anything else.
  virtual int GetSystemMetrics(int nIndex) = 0;

  // The modal colour and font dialogs of the record, as the file dialogs: TRUE with the record
  // filled once confirmed, FALSE for a cancel or a failure (see CommDlgExtendedError).
  virtual BOOL ChooseColorA(CHOOSECOLORA* lpcc) = 0;
  virtual BOOL ChooseFontA(CHOOSEFONTA* lpcf) = 0;
  // The COLORREF of system colour nIndex (COLOR_SCROLLBAR … COLOR_MENUBAR); 0 for others.
  virtual DWORD GetSysColor(int nIndex) = 0;
  // LOGPIXELSX and LOGPIXELSY of the screen's device context; 0 for anything else.
  virtual int GetDeviceCaps(HDC hdc, int index) = 0;
  // The modal print (or print setup) and page-setup dialogs of the record, as the file
  // dialogs; with PD_RETURNDC the record receives a device context that DeleteDC releases.
  virtual BOOL PrintDlgA(PRINTDLGA* pPD) = 0;
  virtual BOOL PageSetupDlgA(PAGESETUPDLGA* pPSD) = 0;
  // Releases a device context that PrintDlgA gave; FALSE for one it did not give.
  virtual BOOL DeleteDC(HDC hdc) = 0;
  // Runs one command of the help viewer on the help file (HELP_CONTENTS, HELP_QUIT, …); FALSE
  // when the command is unknown or the file cannot be shown.
  virtual BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) = 0;
};

// Installs window functions for the process while the scope lives, and restores the previous.
using Win32ServicesScope = InstallationScope<Win32Services>;

}  // namespace ferolan::winapi
