#include "platform/windows/Utf16.h"

#include <windows.h>

namespace ferolan {

namespace {

// With MB_ERR_INVALID_CHARS, none for a text that is not UTF-8; without, U+FFFD in its place.
std::optional<std::wstring> FromUtf8(std::string_view text, DWORD flags) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, flags, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::optional<std::wstring> ExactUtf16Of(std::string_view text) {
  return FromUtf8(text, MB_ERR_INVALID_CHARS);
}

std::wstring Utf16Of(std::string_view text) { return FromUtf8(text, 0).value_or(std::wstring()); }

std::string Utf8Of(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace ferolan
