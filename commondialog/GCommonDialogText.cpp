#include "commondialog/GCommonDialog.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/Kernel.h"

namespace ferolan {

using namespace winapi;

std::string GCommonDialog::FilterEntry(const std::string& sFilter, int32_t lIndex) {
  if (lIndex < 1) return {};  // names no entry; counting down from it could overflow
  std::size_t position = 0;
  while (position < sFilter.size()) {
    const std::size_t first = sFilter.find('\0', position);
    if (first == std::string::npos) return {};
    const std::size_t second = sFilter.find('\0', first + 1);
    if (second == std::string::npos) return {};
    if (lIndex == 1) return sFilter.substr(position, second - position);
    position = second + 1;
    --lIndex;
  }
  return {};
}

std::string GCommonDialog::CutAtNul(const std::string& sText) {
  return sText.substr(0, static_cast<std::size_t>(lstrlenA(sText.c_str())));
}

std::string GCommonDialog::VBGetFileTitle(const std::string& sFIle) const {
  constexpr WORD kTitleBuffer = 260;
  std::string buffer(kTitleBuffer, '\0');
  if (GetFileTitleA(sFIle.c_str(), buffer.data(), kTitleBuffer) != 0) return {};
  return CutAtNul(buffer);
}

}  // namespace ferolan
