#include "stand-ins/common/windows/WideName.h"

#include <windows.h>

namespace standin {

std::optional<std::wstring> WideName(std::string_view name) {
  if (name.empty()) return std::wstring();
  const int length = static_cast<int>(name.size());
  const int count =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(), length, nullptr, 0);
  if (count <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(), length, wide.data(), count);
  return wide;
}

std::string Utf8Name(std::wstring_view name) {
  if (name.empty()) return {};
  const int length = static_cast<int>(name.size());
  const int count =
      ::WideCharToMultiByte(CP_UTF8, 0, name.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(count > 0 ? count : 0), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, name.data(), length, utf8.data(), count, nullptr, nullptr);
  return utf8;
}

}  // namespace standin
