#include "platform/windows/gui/SystemUserServices.h"

#include <windows.h>

#include "platform/windows/WideNames.h"
#include "platform/windows/gui/PasswordBox.h"
#include "platform/windows/gui/ShownText.h"

namespace ferolan::windows {

namespace {

bool hourglass = false;

}  // namespace

SystemUserServices::SystemUserServices() : scope_(*this) {}

SystemUserServices::~SystemUserServices() { SetMousePointer(vbDefault); }

int SystemUserServices::ShowMessage(const std::string& text, int style, const std::string& title) {
  // The styles and answers are the system's own numbers.
  return ::MessageBoxW(::GetActiveWindow(), ShownText(text).c_str(), Utf16Of(title).c_str(),
                       static_cast<UINT>(style));
}

std::string SystemUserServices::AskText(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
  const std::optional<std::wstring> answer =
      AskPassword(::GetActiveWindow(), ShownText(prompt), Utf16Of(title), Utf16Of(defaultText));
  return answer ? Utf8Of(*answer) : std::string();
}

void SystemUserServices::SetMousePointer(int pointer) {
  hourglass = pointer == vbHourglass;
  ::SetCursor(::LoadCursorW(nullptr, hourglass ? IDC_WAIT : IDC_ARROW));
}

void SystemUserServices::ProcessPendingEvents() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The program's own loop ends on it.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    const HWND window = ::GetAncestor(message.hwnd, GA_ROOT);
    if (window != nullptr && ::IsDialogMessageW(window, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

bool SystemUserServices::HourglassShown() { return hourglass; }

}  // namespace ferolan::windows
