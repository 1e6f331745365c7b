// The hook of one of our dialog records, called from the system's dialog as the Linux dialogs
// call it: the dialog's window as its 32-bit number, WM_INITDIALOG with our record (not the
// system's), WM_COMMAND with the control's number, and WM_DESTROY. A dialog is modal, so the
// one hook of a thread is the hook of the dialog it shows; a dialog opened from a hook has its
// own while it shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/windows/window/Handles.h"

namespace ferolan::windows {

class DialogHook {
 public:
  // Our hook procedures' type, whose LPARAM is not the system's on 32-bit Windows (int, long).
  using Procedure = uintptr_t (*)(int32_t, uint32_t, uintptr_t, intptr_t);

  DialogHook(Procedure procedure, const void* record)
      : procedure_(procedure), record_(record), outer_(std::exchange(shown_, this)) {}
  ~DialogHook() { shown_ = outer_; }
  DialogHook(const DialogHook&) = delete;
  DialogHook& operator=(const DialogHook&) = delete;

  // The system's hook procedure, for a record whose hook flag is set.
  static UINT_PTR CALLBACK Call(::HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (shown_ == nullptr || shown_->procedure_ == nullptr) return 0;
    const int32_t window = NumberOf(dialog);
    switch (message) {
      case WM_INITDIALOG:
        return shown_->procedure_(window, message, wParam,
                                  reinterpret_cast<intptr_t>(shown_->record_));
      case WM_COMMAND:
        return shown_->procedure_(window, message, wParam,
                                  NumberOf(reinterpret_cast<::HWND>(lParam)));
      case WM_DESTROY:
        return shown_->procedure_(window, message, 0, 0);
      default:
        return 0;
    }
  }

 private:
  Procedure procedure_;
  const void* record_;
  DialogHook* outer_;
  static inline thread_local DialogHook* shown_ = nullptr;
};

}  // namespace ferolan::windows
