// The runtime's file errors for errno values, into which each system's own error codes are
// translated (FileErrnoOf): one table for every system, so that the same failure has the same
// number and description everywhere.
#include <cerrno>

#include "platform/runtime/FileErrno.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// A disk that takes no writes (read-only, write-protected) is "permission denied", as a locked
// file is.
long NumberOf(int errnoValue, FileAccess access, const std::string& path) {
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
    case EROFS:
      return kErrPermissionDenied;
    case ENOSPC:
#ifdef EDQUOT  // no such quota on Windows
    case EDQUOT:
#endif
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

}  // namespace

long FileErrorNumber(int systemError, FileAccess access, const std::string& path) {
  return NumberOf(FileErrnoOf(systemError, path), access, path);
}

void RaiseFileError(int systemError, FileAccess access, const std::string& path) {
  const int errnoValue = FileErrnoOf(systemError, path);
  const long number = NumberOf(errnoValue, access, path);
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
