// Calls a common dialog's hook procedure as the platform calls it: one window stands for the
// dialog in every message, WM_INITDIALOG comes before the dialog shows, with the record as its
// lParam, and WM_DESTROY once it has closed.
#pragma once

#include "platform/win32/Types.h"

class QDialog;
class QWidget;

namespace ferolan::qt {

class HookCaller {
 public:
  using Procedure = win32::UINT_PTR (*)(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM);

  // `window` is the dialog itself, or the child of an Explorer-style file dialog.
  HookCaller(Procedure procedure, QWidget& window);

  win32::HWND Window() const { return window_; }
  win32::UINT_PTR Send(win32::UINT msg, win32::WPARAM wParam, win32::LPARAM lParam) const;

 private:
  Procedure procedure_;
  win32::HWND window_;
};

// Runs the dialog modally and gives its exec() result, with the hook's messages around it
// when it has a hook (null for none); the hook gets the dialog at the size it will show with,
// so that it may place it.
int RunHooked(QDialog& dialog, const HookCaller* hook, const void* record);

}  // namespace ferolan::qt
