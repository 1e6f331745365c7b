#include <string>
#include <utility>
#include <vector>

#include "platform/winapi/HelpCommands.h"
#include "platform/winapi/LastError.h"
#include "platform/windows/gui/SystemWin32Services.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

#include "platform/windows/FullPath.h"
#include "platform/windows/WideNames.h"
#include "platform/windows/gui/Handles.h"
#include "platform/windows/gui/HelpViewer.h"

namespace ferolan::windows {

namespace {

// The viewers of an owner and a file, as HelpViewer keeps them.
class SystemHelpWindows final : public winapi::HelpWindowSet {
 public:
  SystemHelpWindows(::HWND owner, std::wstring file) : owner_(owner), file_(std::move(file)) {}

  std::vector<winapi::HelpWindow*> Existing() override {
    const std::vector<HelpViewer*> viewers = HelpViewer::ViewersOf(owner_, file_);
    return {viewers.begin(), viewers.end()};
  }

  winapi::HelpWindow* OpenNew(const winapi::HelpFile& content) override {
    HelpViewer* viewer = HelpViewer::Open(owner_, file_, content);
    if (viewer == nullptr) winapi::SetLastError(::GetLastError());
    return viewer;
  }

 private:
  ::HWND owner_;
  std::wstring file_;
};

// The absolute path that names the file's viewer; empty for no file.
std::wstring AbsoluteName(const std::string& file) {
  if (file.empty()) return {};
  return FullPath(Utf16Of(file));
}

}  // namespace

winapi::BOOL SystemWin32Services::WinHelpA(winapi::HWND hWndMain, winapi::LPCSTR lpszHelp,
                                           winapi::UINT uCommand, winapi::ULONG_PTR dwData) {
  ::HWND owner = nullptr;
  if (hWndMain != 0) {
    const auto window = HandleOf<::HWND>(hWndMain);
    if (!::IsWindow(window)) {
      winapi::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    owner = ::GetAncestor(window, GA_ROOT);
  }
  const std::string file = lpszHelp == nullptr ? std::string() : std::string(lpszHelp);
  SystemHelpWindows windows(owner, AbsoluteName(file));
  return winapi::RunHelpCommand(windows, file, uCommand, dwData);
}

}  // namespace ferolan::windows
