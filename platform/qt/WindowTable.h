// Window handles over widgets: a widget gets a 32-bit number the first time one is asked for
// and keeps it until it is destroyed. The program's main window gets its own number here.
#pragma once

#include "platform/winapi/Types.h"

class QWidget;

namespace ferolan::qt {

// The widget's handle, given on first use; 0 for no widget.
winapi::HWND HandleOf(QWidget* widget);
// The widget a handle stands for; null when it stands for none.
QWidget* WindowOf(winapi::HWND hWnd);

// The answer a dialog window gives to the message it is processing (its DWL_MSGRESULT).
// Setting returns the previous answer; both give 0 for a handle that stands for no widget.
winapi::LONG SetMessageResult(winapi::HWND hWnd, winapi::LONG result);
winapi::LONG MessageResult(winapi::HWND hWnd);

}  // namespace ferolan::qt
