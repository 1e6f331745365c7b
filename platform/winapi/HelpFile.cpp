#include "platform/winapi/HelpFile.h"

#include <algorithm>
#include <cctype>

#include "platform/winapi/FileBytes.h"
#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

namespace {

// By the last dot of the file's name, not its first character; either slash ends a folder,
// as on Windows.
bool IsHtmlName(const std::string& path) {
  const std::size_t leaf = path.find_last_of("/\\") + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= leaf) return false;
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".htm" || extension == ".html";
}

}  // namespace

HelpFile ReadHelpFile(const std::string& path) {
  HelpFile file;
  file.error = ReadFileBytes(path, file.bytes);
  if (file.error == 0 && file.bytes.find('\0') != std::string::npos) file.error = ERROR_BAD_FORMAT;
  if (file.error != 0) {
    file.bytes.clear();
    return file;
  }
  file.html = IsHtmlName(path);
  return file;
}

}  // namespace ferolan::winapi
