// What the platform's common dialogs over Qt share: whether a dialog can be shown at all, and
// calling a dialog's hook as the platform does, with WM_INITDIALOG before the dialog shows and
// WM_DESTROY once it has closed.
#pragma once

#include "platform/win32/Types.h"

class QDialog;
class QWidget;

namespace ferolan::qt {

// A flag counts as set when all of its bits are.
inline bool Has(win32::DWORD flags, win32::DWORD bit) { return (flags & bit) == bit; }

// Dialogs need a QApplication, not only a core application.
bool CanShowDialogs();

using DialogHookProc = win32::UINT_PTR (*)(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM);

// A hook and the window it receives as its dialog: the dialog itself, or a child of it.
class DialogHookCaller {
 public:
  DialogHookCaller(QWidget& hookWindow, DialogHookProc hook) : window_(hookWindow), hook_(hook) {}

  win32::HWND Window() const;
  win32::UINT_PTR Send(win32::UINT msg, win32::WPARAM wParam, win32::LPARAM lParam) const;

 private:
  QWidget& window_;
  DialogHookProc hook_;
};

// Runs the dialog modally and returns its result. With a hook, the hook gets WM_INITDIALOG
// with `initParam` once the dialog has its size, and WM_DESTROY after it has closed.
int ExecWithHook(QDialog& dialog, const DialogHookCaller* hook, win32::LPARAM initParam);

}  // namespace ferolan::qt
