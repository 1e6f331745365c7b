// What the owner of a cCommonDialog offers it: handlers for the seven events that the dialog
// hook raises.
#pragma once

#include <cstdint>

namespace ferolan {

// Every handler does nothing unless the owner overrides it.
class cCommonDialogEvents {
 public:
  virtual ~cCommonDialogEvents() = default;

  virtual void InitDialog(int32_t /*hDlg*/) {}
  virtual void FileChange(int32_t /*hDlg*/) {}
  virtual void FolderChange(int32_t /*hDlg*/) {}
  // Setting bCancel keeps the file dialog open.
  virtual void ConfirmOK(bool& /*bCancel*/) {}
  virtual void TypeChange(int32_t /*hDlg*/) {}
  virtual void DialogClose() {}
  virtual void WMCommand(int32_t /*hDlg*/, int32_t& /*wParam*/, int32_t& /*lParam*/) {}
};

}  // namespace ferolan
