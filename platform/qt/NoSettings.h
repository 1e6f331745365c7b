// The program keeps no settings between runs, and neither do Qt's own dialogs: the file
// dialog's history and last folder, the colour dialog's custom colours.
#pragma once

namespace ferolan::qt {

// Points the settings Qt's dialogs read and write at a folder that cannot exist, so that they
// find none and keep none. Call before the first dialog.
void KeepNoQtSettings();

}  // namespace ferolan::qt
