#include "platform/win32/HelpFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "platform/posix/UniqueFd.h"
#include "platform/runtime/FileSystem.h"
#include "platform/win32/LastError.h"

namespace ferolan::win32 {

namespace {

DWORD ErrorOf(int errnoValue, const std::string& path) {
  switch (errnoValue) {
    case ENOENT:
      return FolderOfExists(path) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_OPEN_FAILED;
  }
}

bool IsHtmlName(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".htm" || extension == ".html";
}

}  // namespace

HelpFile ReadHelpFile(const std::string& path) {
  HelpFile file;
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) {
    file.error = ErrorOf(errno, path);
    return file;
  }
  char chunk[8192];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      file.error = ErrorOf(errno, path);
      return file;
    }
    file.bytes.append(chunk, static_cast<std::size_t>(got));
  }
  if (file.bytes.find('\0') != std::string::npos) {
    file.error = ERROR_BAD_FORMAT;
    file.bytes.clear();
    return file;
  }
  file.html = IsHtmlName(path);
  return file;
}

}  // namespace ferolan::win32
