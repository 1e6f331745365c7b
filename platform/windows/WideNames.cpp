#include "platform/windows/WideNames.h"

#include <windows.h>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"

namespace ferolan {

namespace {

// With MB_ERR_INVALID_CHARS, empty for a text that is not UTF-8; without, U+FFFD in its place.
std::wstring FromUtf8(std::string_view text, DWORD flags = MB_ERR_INVALID_CHARS) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, flags, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) ::MultiByteToWideChar(CP_UTF8, flags, text.data(), size, wide.data(), length);
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

// The first part of `path` (a folder or the file) that the code page cannot write.
std::string PartNotHeld(const std::string& path) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = path.find_first_of("\\/", start);
    const std::string part = path.substr(start, end - start);
    if (!AnsiCodePageHolds(part) || end == std::string::npos) return part;
    start = end + 1;
  }
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = FromUtf8(path);
  if ((!path.empty() && wide.empty()) || !CodePageHolds(wide)) {
    throw RuntimeError(kErrPathNotFound, App::EXEName(),
                       "Le nom « " + ShownName(PartNotHeld(path)) +
                           " » contient des lettres que Windows n'écrit pas dans sa page de "
                           "code : renommez ce dossier ou ce fichier, puis recommencez (" +
                           ShownName(path) + ").",
                       path);
  }
  return wide;
}

std::wstring Utf16Of(std::string_view text) { return FromUtf8(text, 0); }

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
