#include <cstring>
#include <string_view>

#include "platform/winapi/CommonDialogs.h"

namespace ferolan::winapi {

short GetFileTitleA(LPCSTR lpszFile, LPSTR Buf, WORD cchSize) {
  if (lpszFile == nullptr) return -1;
  std::string_view title(lpszFile);
  if (const auto slash = title.rfind('/'); slash != std::string_view::npos) {
    title.remove_prefix(slash + 1);
  }
  if (title.empty()) return -1;
  if (title.size() + 1 > cchSize || Buf == nullptr) {
    return title.size() + 1 > 0x7FFF ? 0x7FFF : static_cast<short>(title.size() + 1);
  }
  std::memcpy(Buf, title.data(), title.size());
  Buf[title.size()] = '\0';
  return 0;
}

}  // namespace ferolan::winapi
