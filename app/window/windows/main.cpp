// ferolan.exe: the window that converts a J'ADE export into result files for GPI or a
// spreadsheet, on Windows.
#include "app/request/EscapedError.h"
#include "app/window/windows/frmDeb.h"
#include "platform/runtime/ProgramStart.h"
#include "platform/windows/WideNames.h"
#include "platform/windows/gui/SystemUserServices.h"
#include "platform/windows/gui/SystemWin32Services.h"

// After our records: the system's headers define their names as macros.
#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  if (!ferolan::ProtectProgramStart()) {
    ::MessageBoxW(nullptr, ferolan::Utf16Of(ferolan::kUnprotectedStart).c_str(), L"Ferolan",
                  MB_OK | MB_ICONERROR);
    return 1;
  }
  // The manifest asks for the common controls' current version; this loads it.
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  ferolan::windows::SystemUserServices services;
  ferolan::windows::SystemWin32Services windowSystem;
  try {
    ferolan::frmDeb window;
    ::ShowWindow(window.Window(), showCommand);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (::IsDialogMessageW(window.Window(), &message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
  } catch (...) {
    // The window could not be made, or its end failed: said, and the program ends.
    ferolan::ShowEscapedError(std::current_exception());
    return 1;
  }
}
