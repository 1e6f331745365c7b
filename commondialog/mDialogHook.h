// The hook procedures handed to the platform's dialogs, and the one slot that tells them which
// GCommonDialog has a hooked dialog open. Between dialogs the slot is empty and they answer 0.
#pragma once

#include "platform/winapi/Types.h"

namespace ferolan {

class GCommonDialog;

namespace mDialogHook {

// The slot does not own its target: the worker that fills it runs for as long as it is filled.
void SetHookTarget(GCommonDialog* target);
GCommonDialog* GetHookTarget();
void ClearHookTarget();

// Passes a message to the slot's target unchanged and returns its answer; 0 for an empty slot.
winapi::UINT_PTR ToHookTarget(winapi::HWND hDlg, winapi::UINT msg, winapi::WPARAM wParam,
                              winapi::LPARAM lParam) noexcept;

// Each kind of dialog installs an entry point of its own; they all behave alike.
template <int Kind>
winapi::UINT_PTR HookProc(winapi::HWND hDlg, winapi::UINT msg, winapi::WPARAM wParam,
                          winapi::LPARAM lParam) noexcept {
  return ToHookTarget(hDlg, msg, wParam, lParam);
}

using HookProcedure = winapi::UINT_PTR (*)(winapi::HWND, winapi::UINT, winapi::WPARAM,
                                           winapi::LPARAM) noexcept;

inline constexpr HookProcedure HookProc1 = &HookProc<1>;  // open and save
inline constexpr HookProcedure HookProc2 = &HookProc<2>;  // print
inline constexpr HookProcedure HookProc3 = &HookProc<3>;  // print setup
inline constexpr HookProcedure HookProc4 = &HookProc<4>;  // page setup
inline constexpr HookProcedure HookProc5 = &HookProc<5>;  // colour
inline constexpr HookProcedure HookProc6 = &HookProc<6>;  // font

}  // namespace mDialogHook
}  // namespace ferolan
