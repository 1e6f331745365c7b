// The platform's system colours as the application's palette gives them.
#pragma once

#include "platform/winapi/SystemColors.h"

namespace ferolan::qt {

// The colour of system colour number nIndex (COLOR_SCROLLBAR … COLOR_MENUBAR); 0 for others.
winapi::DWORD PaletteColor(int nIndex);

}  // namespace ferolan::qt
