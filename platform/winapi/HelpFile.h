// A help file as the help viewer shows it: HTML (by its extension) or plain text, or the
// system error code that reading it met.
#pragma once

#include <string>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

struct HelpFile {
  DWORD error = 0;  // 0 once read
  bool html = false;
  std::string bytes;
};

// A file with a NUL byte is neither HTML nor text: ERROR_BAD_FORMAT.
HelpFile ReadHelpFile(const std::string& path);

}  // namespace ferolan::winapi
