// The help viewer of the platform: the commands WinHelpA takes, the window-position record of
// HELP_SETWINPOS and the show-window codes it carries. WinHelpA acts through the installed
// Win32Services.
#pragma once

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

using ULONG_PTR = uintptr_t;

inline constexpr UINT HELP_CONTEXT = 0x0001;
inline constexpr UINT HELP_QUIT = 0x0002;
inline constexpr UINT HELP_CONTENTS = 0x0003;
inline constexpr UINT HELP_KEY = 0x0101;
inline constexpr UINT HELP_MULTIKEY = 0x0201;
inline constexpr UINT HELP_SETWINPOS = 0x0203;

// Show-window codes, as HELPWININFOA's wMax carries them.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;

// The position and size of the help window, in screen pixels, in its 26-byte ANSI layout.
#pragma pack(push, 1)
struct HELPWININFOA {
  int32_t wStructSize;
  int32_t x;
  int32_t y;
  int32_t dx;
  int32_t dy;
  int32_t wMax;
  char rgchMember[2];
  bool operator==(const HELPWININFOA&) const = default;
};
#pragma pack(pop)
static_assert(sizeof(HELPWININFOA) == 26);

// Shows the help file lpszHelp in a viewer owned by hWndMain (0: by no window), one viewer per
// file and owner. HELP_CONTENTS shows it from the top, HELP_CONTEXT at the anchor named by the
// decimal number dwData, HELP_KEY at the first occurrence of the text at address dwData (none:
// from the top); HELP_SETWINPOS shows it placed by the HELPWININFOA at address dwData, and
// HELP_QUIT closes the owner's viewer of the file (every viewer of the owner for no file).
// Answers 0 with the last error set when it cannot (an unreadable file, an unknown window, an
// unknown command or a missing record).
BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

}  // namespace ferolan::winapi
