// What a GCommonDialog calls while its hooked dialog is open: one method per message the hook
// passes on. cCommonDialog offers them and raises its events from them.
#pragma once

#include <cstdint>

namespace ferolan {

class DialogEventSink {
 public:
  virtual ~DialogEventSink() = default;

  virtual int32_t InitDialog(int32_t hDlg) = 0;
  virtual int32_t FileChange(int32_t hDlg) = 0;
  virtual int32_t FolderChange(int32_t hDlg) = 0;
  // True when the chosen name may be taken, false to keep the dialog open.
  virtual bool ConfirmOK() = 0;
  virtual int32_t TypeChange(int32_t hDlg) = 0;
  virtual void DialogClose() = 0;
  virtual void WMCommand(int32_t hDlg, int32_t& wParam, int32_t& lParam) = 0;
};

}  // namespace ferolan
