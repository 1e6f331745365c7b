// Windows' error codes for the runtime's file errors: errno values from the table the libraries
// share (ErrnoOf), with what the path tells on top.
#include <windows.h>

#include <cerrno>

#include "platform/runtime/FileErrno.h"
#include "platform/runtime/FileSystem.h"
#include "platform/windows/ErrnoOf.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

// Windows says "path not found" where a file stands in the way of a folder, where POSIX says
// "not a directory": the nearest part of the path that exists tells them apart.
bool FileInTheWay(const std::string& path) {
  for (std::string folder = FolderOf(path);;) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(folder).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const std::string up = FolderOf(folder);
    if (up == folder || up == ".") return false;
    folder = up;
  }
}

}  // namespace

int FileErrnoOf(int systemError, const std::string& path) {
  const auto error = static_cast<DWORD>(systemError);
  if (error == ERROR_PATH_NOT_FOUND && FileInTheWay(path)) return ENOTDIR;
  return ErrnoOf(error);
}

}  // namespace ferolan
