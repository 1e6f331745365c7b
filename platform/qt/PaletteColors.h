// The platform's system colours as the application's palette gives them.
#pragma once

#include "platform/win32/SystemColors.h"

namespace ferolan::qt {

// The colour of system colour number nIndex (COLOR_SCROLLBAR … COLOR_MENUBAR); 0 for others.
win32::DWORD PaletteColor(int nIndex);

}  // namespace ferolan::qt
