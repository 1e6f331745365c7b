#include <utility>

#include "commondialog/GCommonDialog.h"
#include "commondialog/HookInstallation.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/Kernel.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan {

using namespace winapi;

int32_t GCommonDialog::DialogHook(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (m_oEventSink == nullptr) return 0;
  // The platform's dialog is below us on the stack and cannot carry an error through.
  try {
    return DispatchToSink(hDlg, msg, wParam, lParam);
  } catch (...) {
    if (!m_oHookError) m_oHookError = std::current_exception();
    return 0;
  }
}

int32_t GCommonDialog::DispatchToSink(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DESTROY:
      m_oEventSink->DialogClose();
      return 0;
    case WM_NOTIFY: {
      if (lParam == 0) return 0;
      NMHDR header;
      RtlMoveMemory(&header, reinterpret_cast<const void*>(lParam), sizeof header);
      switch (header.code) {
        case CDN_SELCHANGE:
          return m_oEventSink->FileChange(hDlg);
        case CDN_FOLDERCHANGE:
          return m_oEventSink->FolderChange(hDlg);
        case CDN_FILEOK:
          if (!m_oEventSink->ConfirmOK()) {
            SetWindowLongA(hDlg, DWL_MSGRESULT, 1);
            return 1;
          }
          SetWindowLongA(hDlg, DWL_MSGRESULT, 0);
          return 0;
        case CDN_TYPECHANGE:
          return m_oEventSink->TypeChange(hDlg);
        default:
          return 0;
      }
    }
    case WM_INITDIALOG:
      return m_oEventSink->InitDialog(hDlg);
    case WM_COMMAND: {
      // Command words and control handles are 32-bit values; what the handler changes is dropped.
      auto wCommand = static_cast<int32_t>(wParam);
      auto lControl = static_cast<int32_t>(lParam);
      m_oEventSink->WMCommand(hDlg, wCommand, lControl);
      return 0;
    }
    default:
      return 0;
  }
}

void GCommonDialog::RunDialog(bool Hook, DialogEventSink* EventSink,
                              const std::function<BOOL()>& dialog) {
  {
    const HookInstallation installation(*this, Hook, EventSink);
    m_lApiReturn = dialog();
  }
  // A zero return is a cancel, whatever the platform may have to say about it.
  if (m_lApiReturn != 0 && m_lApiReturn != 1) {
    m_lExtendedError = static_cast<int32_t>(CommDlgExtendedError());
  }
  RaiseHookError();
}

void GCommonDialog::RaiseHookError() {
  if (m_oHookError) std::rethrow_exception(std::exchange(m_oHookError, nullptr));
}

}  // namespace ferolan
