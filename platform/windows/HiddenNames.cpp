#include "platform/windows/HiddenNames.h"

#include "platform/runtime/RandomName.h"

namespace ferolan {

std::wstring TemporaryPrefix(const std::wstring& leaf) { return L"." + leaf + L".~ferolan-"; }

std::wstring HiddenName(const std::wstring& leaf) {
  const std::string letters = RandomLetters(8);
  return TemporaryPrefix(leaf) + std::wstring(letters.begin(), letters.end());
}

}  // namespace ferolan
