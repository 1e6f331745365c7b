#include "platform/windows/WideNames.h"

#include <windows.h>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// Empty for an empty text and for a text that is not UTF-8.
std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  }
  return wide;
}

// Whether the code page writes `wide` without a replacement or a look-alike ("best fit").
bool CodePageHolds(const std::wstring& wide) {
  if (wide.empty()) return true;
  BOOL replaced = FALSE;
  const int length =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &replaced);
  return length > 0 && replaced == FALSE;
}

}  // namespace

bool AnsiCodePageHolds(std::string_view text) {
  const std::wstring wide = FromUtf8(text);
  return (text.empty() || !wide.empty()) && CodePageHolds(wide);
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = FromUtf8(path);
  if ((!path.empty() && wide.empty()) || !CodePageHolds(wide)) {
    RaiseForFileAs(kErrPathNotFound,
                   "Nom de fichier impossible à écrire dans la page de code de Windows", path);
  }
  return wide;
}

std::string Utf8Of(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace ferolan
