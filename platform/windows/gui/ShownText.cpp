#include "platform/windows/gui/ShownText.h"

#include "platform/windows/WideNames.h"

namespace ferolan::windows {

std::wstring ShownText(const std::string& text) {
  std::wstring shown;
  for (const wchar_t c : Utf16Of(text)) {
    shown += c;
    if (c == L'\r') shown += L'\n';
  }
  return shown;
}

}  // namespace ferolan::windows
