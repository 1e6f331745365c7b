#include "platform/winapi/FileBytes.h"

#include <windows.h>

#include "platform/windows/SharedFiles.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan::winapi {

// The system's codes are the ones asked for; a folder is refused by CreateFileW itself. Only
// reading: a name beyond the ANSI code page names its file as well as any other.
DWORD ReadFileBytes(const std::string& path, std::string& bytes) {
  // No name names no file, as on every system; Windows itself says the path is missing.
  if (path.empty()) return ERROR_FILE_NOT_FOUND;
  const UniqueHandle file(::CreateFileW(Utf16Of(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return ::GetLastError();
  char chunk[8192];
  for (;;) {
    ::DWORD got = 0;
    if (!::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) return ::GetLastError();
    if (got == 0) return 0;
    bytes.append(chunk, got);
  }
}

}  // namespace ferolan::winapi
