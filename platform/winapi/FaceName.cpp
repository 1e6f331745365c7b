#include <algorithm>
#include <cstring>

#include "platform/winapi/ChooseDialogs.h"

namespace ferolan::winapi {

namespace {

bool ContinuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

void SetFaceName(LOGFONTA& logFont, std::string_view name) {
  std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
  if (length < name.size()) {
    while (length > 0 && ContinuesCharacter(name[length])) --length;
  }
  std::memset(logFont.lfFaceName, 0, LF_FACESIZE);
  std::memcpy(logFont.lfFaceName, name.data(), length);
}

std::string FaceName(const LOGFONTA& logFont) {
  const char* end = std::find(logFont.lfFaceName, logFont.lfFaceName + LF_FACESIZE, '\0');
  return std::string(logFont.lfFaceName, end);
}

}  // namespace ferolan::winapi
