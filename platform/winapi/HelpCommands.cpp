#include "platform/winapi/HelpCommands.h"

#include <cstring>

#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

namespace {

BOOL Fail(DWORD code) {
  SetLastError(code);
  return 0;
}

}  // namespace

BOOL RunHelpCommand(HelpWindowSet& windows, const std::string& file, UINT uCommand,
                    ULONG_PTR dwData) {
  HELPWININFOA position{};
  switch (uCommand) {
    case HELP_QUIT:
      for (HelpWindow* window : windows.Existing()) window->Close();
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

  // A window open for the file is shown as it is; only a new one reads the file.
  const std::vector<HelpWindow*> open =
      file.empty() ? std::vector<HelpWindow*>() : windows.Existing();
  HelpWindow* window = open.empty() ? nullptr : open.front();
  if (window == nullptr) {
    const HelpFile content = ReadHelpFile(file);
    if (content.error != 0) return Fail(content.error);
    window = windows.OpenNew(content);
    if (window == nullptr) return 0;
  }

  switch (uCommand) {
    case HELP_SETWINPOS:
      window->Place(position);
      break;
    case HELP_CONTEXT:
      window->Present();
      window->GoToTop();
      window->GoToAnchor(std::to_string(dwData));
      break;
    case HELP_KEY:
      window->Present();
      window->GoToText(dwData == 0 ? std::string() : reinterpret_cast<LPCSTR>(dwData));
      break;
    default:
      window->Present();
      window->GoToTop();
      break;
  }
  return 1;
}

}  // namespace ferolan::winapi
