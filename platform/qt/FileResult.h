// The files a user chose, written into a file-dialog record as the platform writes them: one
// file as its path, and its name in the title buffer; several files (with
// OFN_ALLOWMULTISELECT) as their folder, NUL, each name and NUL, and one more NUL. The rest of
// each buffer is zeroed, so that nothing of a longer preset is left behind.
#pragma once

#include <string>
#include <vector>

#include "platform/winapi/CommonDialogs.h"

namespace ferolan::qt {

// At least one absolute path. FNERR_BUFFERTOOSMALL when the result does not fit, with the size
// the file buffer needs in its first two bytes; 0 once written.
winapi::DWORD WriteFileResult(winapi::OPENFILENAMEA& ofn, const std::vector<std::string>& paths);

}  // namespace ferolan::qt
