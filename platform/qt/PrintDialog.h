// The platform's print dialog over QPrintDialog, honouring the PRINTDLGA record's flags and
// calling its print or setup hook with the dialog window itself.
#pragma once

#include "platform/winapi/PrintDialogs.h"

namespace ferolan::qt {

// Runs the dialog modally: 1 when the user confirmed it, 0 for a cancel or a failure, with
// the extended error (0 for a cancel) in `extendedError`.
winapi::BOOL ShowPrintDialog(winapi::PRINTDLGA& pd, winapi::DWORD& extendedError);

}  // namespace ferolan::qt
