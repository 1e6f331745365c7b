#include "platform/windows/WideNames.h"

#include <windows.h>

#include <utility>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"

namespace ferolan {

namespace {

// Whether the code page writes `wide` without a replacement or a look-alike ("best fit").
bool CodePageHolds(const std::wstring& wide) {
  if (wide.empty()) return true;
  BOOL replaced = FALSE;
  const int length =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &replaced);
  return length > 0 && replaced == FALSE;
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

}  // namespace

bool AnsiCodePageHolds(std::string_view text) {
  const std::optional<std::wstring> wide = ExactUtf16Of(text);
  return wide && CodePageHolds(*wide);
}

std::wstring WidePath(const std::string& path) {
  std::optional<std::wstring> wide = ExactUtf16Of(path);
  if (!wide || !CodePageHolds(*wide)) {
    throw RuntimeError(kErrPathNotFound, App::EXEName(),
                       "Le nom « " + ShownName(PartNotHeld(path)) +
                           " » contient des lettres que Windows n'écrit pas dans sa page de "
                           "code : renommez ce dossier ou ce fichier, puis recommencez (" +
                           ShownName(path) + ").",
                       path);
  }
  return std::move(*wide);
}

}  // namespace ferolan
