#include "platform/qt/FileResult.h"

#include <algorithm>
#include <cstring>

namespace ferolan::qt {

using namespace winapi;

namespace {

struct Result {
  std::string file;   // with its NULs
  std::string title;  // without its NUL
  std::size_t nameOffset = 0;
  std::size_t extensionOffset = 0;
};

Result OneFile(const std::string& path) {
  Result result;
  const std::size_t slash = path.rfind('/');
  result.nameOffset = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  result.extensionOffset =
      dot != std::string::npos && dot >= result.nameOffset ? dot + 1 : path.size();
  result.title = path.substr(result.nameOffset);
  result.file = path + '\0';
  return result;
}

// The names are given relative to the first file's folder.
Result SeveralFiles(const std::vector<std::string>& paths) {
  const std::size_t slash = paths.front().rfind('/');
  const std::string folder = slash == 0 ? "/" : paths.front().substr(0, slash);
  const std::string prefix = folder.back() == '/' ? folder : folder + '/';
  Result result;
  result.file = folder + '\0';
  result.nameOffset = result.file.size();
  for (const std::string& path : paths) {
    result.file += path.starts_with(prefix) ? path.substr(prefix.size()) : path;
    result.file += '\0';
  }
  result.file += '\0';
  return result;
}

void Fill(LPSTR buffer, DWORD size, const std::string& bytes) {
  std::memcpy(buffer, bytes.data(), bytes.size());
  std::memset(buffer + bytes.size(), 0, size - bytes.size());
}

WORD AsWord(std::size_t value) { return static_cast<WORD>(std::min<std::size_t>(value, 0xFFFF)); }

}  // namespace

DWORD WriteFileResult(OPENFILENAMEA& ofn, const std::vector<std::string>& paths) {
  const bool several = (ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && paths.size() > 1;
  const Result result = several ? SeveralFiles(paths) : OneFile(paths.front());
  const bool withTitle = ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > 0;
  if (result.file.size() > ofn.nMaxFile ||
      (withTitle && result.title.size() + 1 > ofn.nMaxFileTitle)) {
    if (ofn.nMaxFile >= sizeof(WORD)) {
      const WORD needed = AsWord(result.file.size());
      std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
    }
    return FNERR_BUFFERTOOSMALL;
  }
  Fill(ofn.lpstrFile, ofn.nMaxFile, result.file);
  if (withTitle) Fill(ofn.lpstrFileTitle, ofn.nMaxFileTitle, result.title + '\0');
  ofn.nFileOffset = AsWord(result.nameOffset);
  ofn.nFileExtension = AsWord(result.extensionOffset);
  return 0;
}

}  // namespace ferolan::qt
