// The window functions and messages that the common dialogs and their hook use, with the
// platform's names and values. They act through the installed Win32Services.
#pragma once

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

// Messages a dialog hook receives.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;

// SetWindowPos flags and insert-after handles.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline constexpr UINT SWP_NOOWNERZORDER = 0x0200;
inline constexpr HWND HWND_TOP = 0;
inline constexpr HWND HWND_BOTTOM = 1;

// The dialog's answer to the message it is processing, read after its hook returns.
inline constexpr int DWL_MSGRESULT = 0;

inline constexpr UINT SPI_GETWORKAREA = 48;
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// Sets one of a window's values; only DWL_MSGRESULT is kept. Returns the previous value.
LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
// The parent window of a child, or the owner of an owned window; 0 for none.
HWND GetParent(HWND hWnd);
// The window's outer rectangle in screen pixels; 0, leaving the rectangle alone, for no window.
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
// Only SPI_GETWORKAREA: the primary screen's area outside the task bars, as a RECT.
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni);
// Only SM_CXSCREEN and SM_CYSCREEN, the primary screen's size in pixels; 0 otherwise.
int GetSystemMetrics(int nIndex);

}  // namespace ferolan::winapi
