// Calls a common dialog's hook procedure as the platform calls it: one window stands for the
// dialog in every message, WM_INITDIALOG comes before the dialog shows, with the record as its
// lParam, and WM_DESTROY once it has closed.
#pragma once

#include "platform/winapi/Types.h"

class QDialog;
class QWidget;

namespace ferolan::qt {

class HookCaller {
 public:
  using Procedure = winapi::UINT_PTR (*)(winapi::HWND, winapi::UINT, winapi::WPARAM,
                                         winapi::LPARAM);

  // `window` is the dialog itself, or the child of an Explorer-style file dialog.
  HookCaller(Procedure procedure, QWidget& window);

  winapi::HWND Window() const { return window_; }
  winapi::UINT_PTR Send(winapi::UINT msg, winapi::WPARAM wParam, winapi::LPARAM lParam) const;

 private:
  Procedure procedure_;
  winapi::HWND window_;
};

// Runs the dialog modally and gives its exec() result, with the hook's messages around it
// when it has a hook (null for none); the hook gets the dialog at the size it will show with,
// so that it may place it.
int RunHooked(QDialog& dialog, const HookCaller* hook, const void* record);

}  // namespace ferolan::qt
