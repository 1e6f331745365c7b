#include "tests/commondialog/DialogScript.h"

#include <cstring>

namespace ferolan::testing {

using namespace winapi;

namespace {

void Write(LPSTR buffer, DWORD size, const std::string& bytes) {
  std::memset(buffer, 0, size);
  std::memcpy(buffer, bytes.data(), std::min<std::size_t>(bytes.size(), size));
}

}  // namespace

ScriptedWin32::FileDialogAnswer Pick(const std::string& path) {
  return [path](OPENFILENAMEA& ofn) {
    Write(ofn.lpstrFile, ofn.nMaxFile, path);
    Write(ofn.lpstrFileTitle, ofn.nMaxFileTitle, path.substr(path.rfind('/') + 1));
    return 1;
  };
}

ScriptedWin32::FileDialogAnswer Fill(const std::string& bytes) {
  return [bytes](OPENFILENAMEA& ofn) {
    Write(ofn.lpstrFile, ofn.nMaxFile, bytes);
    return 1;
  };
}

LPPRINTHOOKPROC HookOf(const PRINTDLGA& pd) {
  return (pd.Flags & PD_PRINTSETUP) != 0 ? pd.lpfnSetupHook : pd.lpfnPrintHook;
}

LPPAGESETUPHOOK HookOf(const PAGESETUPDLGA& psd) { return psd.lpfnPageSetupHook; }

OFNOTIFYA Notification(UINT code) {
  OFNOTIFYA notify{};
  notify.hdr.hwndFrom = kDialogWindow;
  notify.hdr.code = code;
  return notify;
}

bool OpenSettings::VBGetOpenFileName(GCommonDialog& worker) {
  return worker.VBGetOpenFileName(Filename, FileTitle, FileMustExist, MultiSelect, ReadOnly,
                                  HideReadOnly, Filter, FilterIndex, "", "", "", 0, flags, false,
                                  nullptr);
}

bool OpenSettings::VBGetOpenFileName2(GCommonDialog& worker) {
  return worker.VBGetOpenFileName2(Filename, FileTitle, FileMustExist, MultiSelect, ReadOnly,
                                   HideReadOnly, Filter, FilterIndex, "", "", "", 0, flags, false,
                                   0, 0, nullptr);
}

void RecordingOwner::InitDialog(int32_t hDlg) {
  events.push_back("InitDialog " + std::to_string(hDlg));
  if (onInitDialog) onInitDialog(hDlg);
}

void RecordingOwner::FileChange(int32_t hDlg) {
  events.push_back("FileChange " + std::to_string(hDlg));
}

void RecordingOwner::FolderChange(int32_t hDlg) {
  events.push_back("FolderChange " + std::to_string(hDlg));
}

void RecordingOwner::ConfirmOK(bool& bCancel) {
  events.push_back(bCancel ? "ConfirmOK with bCancel set" : "ConfirmOK");
  bCancel = cancelConfirm;
}

void RecordingOwner::TypeChange(int32_t hDlg) {
  events.push_back("TypeChange " + std::to_string(hDlg));
}

void RecordingOwner::DialogClose() { events.push_back("DialogClose"); }

void RecordingOwner::WMCommand(int32_t hDlg, int32_t& wParam, int32_t& lParam) {
  events.push_back("WMCommand " + std::to_string(hDlg) + " " + std::to_string(wParam) + " " +
                   std::to_string(lParam));
}

}  // namespace ferolan::testing
