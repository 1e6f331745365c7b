// The font dialog of the platform over a non-native QFontDialog that honours the CHOOSEFONTA
// record, its LOGFONTA, the effects with their colour, the size range and the hook.
#pragma once

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::qt {

// Runs the dialog modally: 1 when a font was chosen, 0 for a cancel or a failure, with the
// extended error (0 for a cancel) in `extendedError`.
winapi::BOOL ShowFontDialog(winapi::CHOOSEFONTA& cf, winapi::DWORD& extendedError);

}  // namespace ferolan::qt
