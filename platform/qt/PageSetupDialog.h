// The platform's page-setup dialog over QPageSetupDialog, honouring the PAGESETUPDLGA
// record's units, margins and flags and calling its page-setup hook with the dialog itself.
#pragma once

#include "platform/winapi/PrintDialogs.h"

namespace ferolan::qt {

// Runs the dialog modally: 1 when the user confirmed it, 0 for a cancel or a failure, with
// the extended error (0 for a cancel) in `extendedError`. The page is never painted, so a
// page-paint hook is never called.
winapi::BOOL ShowPageSetupDialog(winapi::PAGESETUPDLGA& psd, winapi::DWORD& extendedError);

}  // namespace ferolan::qt
