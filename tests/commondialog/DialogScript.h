// What the common-dialog tests script: answers of the platform's file dialog and an owner that
// writes down the events it receives.
#pragma once

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "commondialog/GCommonDialog.h"
#include "commondialog/cCommonDialogEvents.h"
#include "platform/scripted/ScriptedWin32.h"

namespace ferolan::testing {

// The visible dialog and the child window that its hook receives.
inline constexpr winapi::HWND kDialogWindow = 40;
inline constexpr winapi::HWND kHookWindow = 41;

// The main window's filter.
inline const std::string kJadFilter = "Exportation d'une évaluation J'ADE (*.jad)|*.jad";

// Picks `path` as the platform's dialog does: the path in the file buffer, the name in the
// title buffer; answers 1.
ScriptedWin32::FileDialogAnswer Pick(const std::string& path);
// Puts `bytes` at the start of the file buffer and answers 1.
ScriptedWin32::FileDialogAnswer Fill(const std::string& bytes);
// The hook a record carries: for the print dialog, the setup hook with PD_PRINTSETUP.
template <class Record>
auto HookOf(const Record& record) {
  return record.lpfnHook;
}
winapi::LPPRINTHOOKPROC HookOf(const winapi::PRINTDLGA& pd);
winapi::LPPAGESETUPHOOK HookOf(const winapi::PAGESETUPDLGA& psd);
// Sends one message to the record's hook with kHookWindow and answers `result`; an answer for
// any of the scripted dialogs.
inline auto SendToHook(winapi::UINT msg, winapi::WPARAM wParam, winapi::LPARAM lParam,
                       winapi::BOOL result = 0) {
  return [=](auto& record) -> winapi::BOOL {
    HookOf(record)(kHookWindow, msg, wParam, lParam);
    return result;
  };
}
// A global-memory block holding a copy of `value`, as the platform's dialogs return them.
template <class Value>
winapi::HGLOBAL BlockOf(const Value& value) {
  const winapi::HGLOBAL block = winapi::GlobalAlloc(winapi::GHND, sizeof value);
  std::memcpy(winapi::GlobalLock(block), &value, sizeof value);
  winapi::GlobalUnlock(block);
  return block;
}
// A WM_NOTIFY record for a file-dialog notification code.
winapi::OFNOTIFYA Notification(winapi::UINT code);

// The by-reference settings of a direct call of the open worker, unhooked and with no owner.
struct OpenSettings {
  bool VBGetOpenFileName(GCommonDialog& worker);
  bool VBGetOpenFileName2(GCommonDialog& worker);

  std::string Filename, FileTitle, Filter;
  int32_t FilterIndex = 1;
  int32_t flags = 0;
  bool FileMustExist = false, MultiSelect = false, ReadOnly = false, HideReadOnly = false;
};

class RecordingOwner : public cCommonDialogEvents {
 public:
  void InitDialog(int32_t hDlg) override;
  void FileChange(int32_t hDlg) override;
  void FolderChange(int32_t hDlg) override;
  void ConfirmOK(bool& bCancel) override;
  void TypeChange(int32_t hDlg) override;
  void DialogClose() override;
  void WMCommand(int32_t hDlg, int32_t& wParam, int32_t& lParam) override;

  std::vector<std::string> events;  // "InitDialog 41", "ConfirmOK", "WMCommand 41 1 2", ...
  bool cancelConfirm = false;       // what ConfirmOK answers in bCancel
  std::function<void(int32_t hDlg)> onInitDialog;
};

}  // namespace ferolan::testing
