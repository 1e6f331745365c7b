#include <cstring>
#include <string>

#include "platform/win32/Help.h"
#include "platform/win32/HelpFile.h"
#include "platform/win32/LastError.h"
#include "platform/windows/window/SystemWin32Services.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

#include "platform/windows/WideNames.h"
#include "platform/windows/window/Handles.h"
#include "platform/windows/window/HelpViewer.h"

namespace ferolan::windows {

namespace {

win32::BOOL Fail(DWORD code) {
  win32::SetLastError(code);
  return 0;
}

// The absolute path that names the file's viewer; empty for no file.
std::wstring AbsoluteName(const std::string& file) {
  if (file.empty()) return {};
  const std::wstring wide = Utf16Of(file);
  const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  std::wstring absolute(size, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), size, absolute.data(), nullptr);
  if (length == 0 || length >= size) return wide;
  absolute.resize(length);
  return absolute;
}

}  // namespace

win32::BOOL SystemWin32Services::WinHelpA(win32::HWND hWndMain, win32::LPCSTR lpszHelp,
                                          win32::UINT uCommand, win32::ULONG_PTR dwData) {
  ::HWND owner = nullptr;
  if (hWndMain != 0) {
    const auto window = HandleOf<::HWND>(hWndMain);
    if (!::IsWindow(window)) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    owner = ::GetAncestor(window, GA_ROOT);
  }
  const std::string file = lpszHelp == nullptr ? std::string() : std::string(lpszHelp);
  const std::wstring name = AbsoluteName(file);

  win32::HELPWININFOA position{};
  switch (uCommand) {
    case HELP_QUIT:
      for (HelpViewer* viewer : HelpViewer::ViewersOf(owner, name)) viewer->Close();
      return 1;
    case HELP_SETWINPOS:
      if (dwData == 0) return Fail(ERROR_INVALID_PARAMETER);
      std::memcpy(&position, reinterpret_cast<const void*>(dwData), sizeof position);
      break;
    case HELP_CONTENTS:
    case HELP_CONTEXT:
    case HELP_KEY:
      break;
    default:
      return Fail(ERROR_INVALID_PARAMETER);
  }

  // A viewer open for the file is shown as it is; only a new one reads the file.
  const std::vector<HelpViewer*> open =
      name.empty() ? std::vector<HelpViewer*>() : HelpViewer::ViewersOf(owner, name);
  HelpViewer* viewer = open.empty() ? nullptr : open.front();
  if (viewer == nullptr) {
    const win32::HelpFile content = win32::ReadHelpFile(file);
    if (content.error != 0) return Fail(content.error);
    viewer = HelpViewer::Open(owner, name, content);
    if (viewer == nullptr) return Fail(::GetLastError());
  }

  switch (uCommand) {
    case HELP_SETWINPOS:
      viewer->Place(position);
      break;
    case HELP_CONTEXT:
      viewer->Present();
      viewer->GoToTop();
      viewer->GoToAnchor(std::to_string(dwData));
      break;
    case HELP_KEY:
      viewer->Present();
      viewer->GoToText(dwData == 0 ? std::string() : reinterpret_cast<win32::LPCSTR>(dwData));
      break;
    default:
      viewer->Present();
      viewer->GoToTop();
      break;
  }
  return 1;
}

}  // namespace ferolan::windows
