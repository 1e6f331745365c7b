#include "platform/runtime/RunningProgram.h"

#include <windows.h>

#include <string>

namespace ferolan {

// Windows gives the name in UTF-16, which the path keeps as it is (its string() is UTF-8). A
// name that does not fit is cut to the buffer, which then grows until it holds it.
std::filesystem::path RunningProgramFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name);
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace ferolan
