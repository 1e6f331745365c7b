// How a conversion request sets up the open dialog in which the user picks an export.
#pragma once

#include <string>

namespace ferolan {

class cCommonDialog;

// Title, cancel error, flags (only an existing file, no read-only box), the starting folder,
// the filter of exports and the hook, in that order.
void ConfigureExportDialog(cCommonDialog& m_cHookDlg, const std::string& initDir);

}  // namespace ferolan
