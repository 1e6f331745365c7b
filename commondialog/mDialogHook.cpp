#include "commondialog/mDialogHook.h"

#include "commondialog/GCommonDialog.h"

namespace ferolan::mDialogHook {

namespace {

GCommonDialog* hookTarget = nullptr;

}  // namespace

void SetHookTarget(GCommonDialog* target) { hookTarget = target; }

GCommonDialog* GetHookTarget() { return hookTarget; }

void ClearHookTarget() { hookTarget = nullptr; }

winapi::UINT_PTR ToHookTarget(winapi::HWND hDlg, winapi::UINT msg, winapi::WPARAM wParam,
                              winapi::LPARAM lParam) noexcept {
  GCommonDialog* target = GetHookTarget();
  if (target == nullptr) return 0;
  return static_cast<winapi::UINT_PTR>(target->DialogHook(hDlg, msg, wParam, lParam));
}

}  // namespace ferolan::mDialogHook
