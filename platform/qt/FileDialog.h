// The open and save dialogs of the platform over a non-native QFileDialog that honours the
// OPENFILENAMEA record and calls the record's hook with the messages the platform sends.
#pragma once

#include "platform/winapi/CommonDialogs.h"

namespace ferolan::qt {

enum class FileDialogKind { kOpen, kSave };

// Runs the dialog modally: 1 when a file was chosen, 0 for a cancel or a failure, with the
// extended error (0 for a cancel) in `extendedError`.
winapi::BOOL ShowFileDialog(winapi::OPENFILENAMEA& ofn, FileDialogKind kind,
                            winapi::DWORD& extendedError);

}  // namespace ferolan::qt
