#include "commondialog/cCommonDialog.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan {

using namespace winapi;

namespace {

// Where a side of `length` starts to be centred on a side from `from` to `to`, the odd pixel
// dropped toward zero.
LONG Centred(LONG from, LONG to, LONG length) {
  const int64_t room = int64_t{to} - from - length;
  return static_cast<LONG>(from + room / 2);
}

}  // namespace

int32_t cCommonDialog::DialogWindow(int32_t hDlg) const {
  return m_bUseParent ? GetParent(hDlg) : hDlg;
}

void cCommonDialog::CentreDialog(int32_t hDlg, const WindowHandleOwner& oCentreTo) {
  CentreOn(hDlg, &oCentreTo);
}

void cCommonDialog::CentreDialog(int32_t hDlg) { CentreOn(hDlg, nullptr); }

void cCommonDialog::CentreOn(int32_t hDlg, const WindowHandleOwner* oCentreTo) {
  const HWND hWnd = DialogWindow(hDlg);
  RECT tDialog{};
  GetWindowRect(hWnd, &tDialog);

  // A window that cannot be read leaves the target empty, and the dialog where it is.
  RECT tTarget{};
  if (oCentreTo != nullptr) {
    GetWindowRect(oCentreTo->hwnd(), &tTarget);
  } else if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &tTarget, 0) == 0) {
    tTarget = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  if (tTarget.right <= 0 || tTarget.bottom <= 0) return;

  const LONG x = Centred(tTarget.left, tTarget.right, tDialog.right - tDialog.left);
  const LONG y = Centred(tTarget.top, tTarget.bottom, tDialog.bottom - tDialog.top);
  SetWindowPos(hWnd, 0, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void cCommonDialog::GetDialogSize(int32_t hDlg, int32_t& lL, int32_t& lT, int32_t& lW,
                                  int32_t& lH) const {
  RECT tDialog{};
  GetWindowRect(DialogWindow(hDlg), &tDialog);
  lL = tDialog.left;
  lT = tDialog.top;
  lW = tDialog.right - tDialog.left;
  lH = tDialog.bottom - tDialog.top;
}

}  // namespace ferolan
