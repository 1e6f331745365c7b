// WinHelpA over QtHelpViewer windows: one viewer per help file and owner window, found among the
// open windows.
#pragma once

#include "platform/win32/Help.h"

namespace ferolan::qt {

win32::BOOL WinHelp(win32::HWND hWndMain, win32::LPCSTR lpszHelp, win32::UINT uCommand,
                    win32::ULONG_PTR dwData);

}  // namespace ferolan::qt
