// The colour dialog of the platform over a non-native QColorDialog that honours the
// CHOOSECOLORA record, its 16 custom colours and its hook.
#pragma once

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::qt {

// Runs the dialog modally: 1 when a colour was chosen, 0 for a cancel or a failure, with the
// extended error (0 for a cancel) in `extendedError`.
winapi::BOOL ShowColorDialog(winapi::CHOOSECOLORA& cc, winapi::DWORD& extendedError);

}  // namespace ferolan::qt
