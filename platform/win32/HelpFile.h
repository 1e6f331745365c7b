// A help file as the help viewer shows it: HTML (by its extension) or plain text, or the
// system error code that reading it met.
#pragma once

#include <string>

#include "platform/win32/Types.h"

namespace ferolan::win32 {

struct HelpFile {
  DWORD error = 0;  // 0 once read
  bool html = false;
  std::string bytes;
};

// A file with a NUL byte is neither HTML nor text: ERROR_BAD_FORMAT.
HelpFile ReadHelpFile(const std::string& path);

}  // namespace ferolan::win32
