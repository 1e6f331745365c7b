#include "commondialog/mDialogHook.h"

#include "commondialog/GCommonDialog.h"

namespace ferolan::mDialogHook {

namespace {

GCommonDialog* hookTarget = nullptr;

}  // namespace

void SetHookTarget(GCommonDialog* target) { hookTarget = target; }

GCommonDialog* GetHookTarget() { return hookTarget; }

void ClearHookTarget() { hookTarget = nullptr; }

win32::UINT_PTR ToHookTarget(win32::HWND hDlg, win32::UINT msg, win32::WPARAM wParam,
                             win32::LPARAM lParam) noexcept {
  GCommonDialog* target = GetHookTarget();
  if (target == nullptr) return 0;
  return static_cast<win32::UINT_PTR>(target->DialogHook(hDlg, msg, wParam, lParam));
}

}  // namespace ferolan::mDialogHook
