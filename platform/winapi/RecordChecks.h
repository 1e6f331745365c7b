// The checks that every common dialog's record passes before its dialog shows, whichever
// window system shows it.
#pragma once

#include <cstddef>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

// Why a dialog record cannot be shown, as far as all dialogs check alike; 0 when it can. The
// size is the one of the 32-bit layout or this machine's.
DWORD RecordError(DWORD lStructSize, DWORD size32, std::size_t size, bool hookWithoutProcedure,
                  bool templateAsked);

}  // namespace ferolan::winapi
