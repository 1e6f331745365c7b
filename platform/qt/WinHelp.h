// WinHelpA over QtHelpViewer windows: one viewer per help file and owner window, found among the
// open windows.
#pragma once

#include "platform/winapi/Help.h"

namespace ferolan::qt {

winapi::BOOL WinHelp(winapi::HWND hWndMain, winapi::LPCSTR lpszHelp, winapi::UINT uCommand,
                     winapi::ULONG_PTR dwData);

}  // namespace ferolan::qt
