#include "commondialog/cCommonDialog.h"

namespace ferolan {

int32_t cCommonDialog::InitDialog(int32_t hDlg) {
  m_oOwner->InitDialog(hDlg);
  return 0;
}

int32_t cCommonDialog::FileChange(int32_t hDlg) {
  m_oOwner->FileChange(hDlg);
  return 0;
}

int32_t cCommonDialog::FolderChange(int32_t hDlg) {
  m_oOwner->FolderChange(hDlg);
  return 0;
}

bool cCommonDialog::ConfirmOK() {
  bool bCancel = false;
  m_oOwner->ConfirmOK(bCancel);
  return !bCancel;
}

int32_t cCommonDialog::TypeChange(int32_t hDlg) {
  m_oOwner->TypeChange(hDlg);
  return 0;
}

void cCommonDialog::DialogClose() { m_oOwner->DialogClose(); }

void cCommonDialog::WMCommand(int32_t hDlg, int32_t& wParam, int32_t& lParam) {
  m_oOwner->WMCommand(hDlg, wParam, lParam);
}

}  // namespace ferolan
