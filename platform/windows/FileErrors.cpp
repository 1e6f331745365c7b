// The runtime's file errors for the system's error codes (GetLastError), with the numbers and
// descriptions the program gives for the same failures on every system.
#include <windows.h>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

// Windows' ERROR_DISK_QUOTA_EXCEEDED, which Debian's MinGW-w64 headers do not name.
constexpr DWORD kDiskQuotaExceeded = 1295;

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

long FileErrorNumber(int systemError, FileAccess access, const std::string& path) {
  switch (static_cast<DWORD>(systemError)) {
    case ERROR_FILE_NOT_FOUND:
      return access == FileAccess::kRead && FolderOfExists(path) ? kErrFileNotFound
                                                                 : kErrPathNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_CANT_RESOLVE_FILENAME:
      return kErrPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_READ_ONLY:
    case ERROR_DELETE_PENDING:
    case ERROR_PRIVILEGE_NOT_HELD:
      return kErrPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
      return kErrDiskFull;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_NOT_READY:
    case ERROR_GEN_FAILURE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NETNAME_DELETED:
      return kErrDeviceIO;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kErrTooManyFiles;
    default:
      return kErrPathFileAccess;
  }
}

void RaiseFileError(int systemError, FileAccess access, const std::string& path) {
  const long number = FileErrorNumber(systemError, access, path);
  if (systemError == ERROR_PATH_NOT_FOUND && FileInTheWay(path)) {
    RaiseForFileAs(number, "Un élément du chemin d'accès n'est pas un dossier", path);
  }
  switch (static_cast<DWORD>(systemError)) {
    case ERROR_FILENAME_EXCED_RANGE:
      RaiseForFileAs(number, "Chemin d'accès trop long", path);
    case ERROR_DIRECTORY:
      RaiseForFileAs(number, "Un élément du chemin d'accès n'est pas un dossier", path);
    default:
      RaiseForFile(number, path);
  }
}

}  // namespace ferolan
