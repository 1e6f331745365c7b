// The system's hook procedure for every dialog of ours whose record has a hook: it calls the
// record's own hook as the Linux dialogs do, with the dialog's window as its 32-bit number,
// WM_INITDIALOG with our record (not the system's), WM_COMMAND with the control's number, and
// WM_DESTROY. A dialog is modal, so the one trampoline of a thread is that of the dialog it
// shows; a dialog opened from a hook has its own while it shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/windows/gui/Handles.h"

namespace ferolan::windows {

class HookTrampoline {
 public:
  // Our hook procedures' type, whose LPARAM is not the system's on 32-bit Windows (int, long).
  using Procedure = uintptr_t (*)(int32_t, uint32_t, uintptr_t, intptr_t);
  // For a dialog that tells of itself by notifications (the file dialogs): each WM_NOTIFY goes
  // to `notice`, which calls the hook itself, and WM_INITDIALOG waits for it.
  using Notice = UINT_PTR (*)(const HookTrampoline& shown, int32_t window, WPARAM, LPARAM);

  HookTrampoline(Procedure procedure, void* record, Notice notice = nullptr,
                 const void* context = nullptr)
      : procedure_(procedure),
        record_(record),
        notice_(notice),
        context_(context),
        outer_(std::exchange(shown_, this)) {}
  ~HookTrampoline() { shown_ = outer_; }
  HookTrampoline(const HookTrampoline&) = delete;
  HookTrampoline& operator=(const HookTrampoline&) = delete;

  // The system's hook procedure, for a record whose hook flag is set.
  static UINT_PTR CALLBACK Call(::HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (shown_ == nullptr || shown_->procedure_ == nullptr) return 0;
    const HookTrampoline& shown = *shown_;
    const int32_t window = NumberOf(dialog);
    switch (message) {
      case WM_INITDIALOG:
        if (shown.notice_ != nullptr) return TRUE;
        return shown.Hook(window, message, wParam, reinterpret_cast<intptr_t>(shown.record_));
      case WM_NOTIFY:
        return shown.notice_ == nullptr ? 0 : shown.notice_(shown, window, wParam, lParam);
      case WM_COMMAND:
        return shown.Hook(window, message, wParam, NumberOf(reinterpret_cast<::HWND>(lParam)));
      case WM_DESTROY:
        return shown.Hook(window, message, 0, 0);
      default:
        return 0;
    }
  }

  uintptr_t Hook(int32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) const {
    return procedure_(window, message, wParam, lParam);
  }
  template <class Record>
  Record& RecordOf() const {
    return *static_cast<Record*>(record_);
  }
  template <class Context>
  const Context& ContextOf() const {
    return *static_cast<const Context*>(context_);
  }

 private:
  Procedure procedure_;
  void* record_;
  Notice notice_;
  const void* context_;
  HookTrampoline* outer_;
  static inline thread_local HookTrampoline* shown_ = nullptr;
};

}  // namespace ferolan::windows
