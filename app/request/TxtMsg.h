// The help box: how to make the export in J'ADE.
#pragma once

namespace ferolan::TxtMsg {

// Shows the help message box and waits until the user closes it.
void ShowExportHelp();

}  // namespace ferolan::TxtMsg
