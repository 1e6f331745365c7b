#include "platform/windows/FullPath.h"

#include <windows.h>

namespace ferolan {

// Asked again with the size Windows says it needs, until the path fits: the current folder
// may change in between.
std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    const bool fits = length < full.size();
    full.resize(length);
    if (fits) return full;
  }
}

}  // namespace ferolan
