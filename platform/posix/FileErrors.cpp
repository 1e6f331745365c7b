// The runtime's file errors for the system's error numbers (errno).
#include <cerrno>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

long FileErrorNumber(int errnoValue, FileAccess access, const std::string& path) {
  switch (errnoValue) {
    case ENOENT:
      return access == FileAccess::kRead && FolderOfExists(path) ? kErrFileNotFound
                                                                 : kErrPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return kErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case EIO:
      return kErrDeviceIO;
    case EMFILE:
    case ENFILE:
      return kErrTooManyFiles;
    default:
      return kErrPathFileAccess;
  }
}

void RaiseFileError(int errnoValue, FileAccess access, const std::string& path) {
  const long number = FileErrorNumber(errnoValue, access, path);
  switch (errnoValue) {
    case ENAMETOOLONG:
      RaiseForFileAs(number, "Chemin d'accès trop long", path);
    case ENOTDIR:
      RaiseForFileAs(number, "Un élément du chemin d'accès n'est pas un dossier", path);
    default:
      RaiseForFile(number, path);
  }
}

}  // namespace ferolan
