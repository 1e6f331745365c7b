#include "platform/windows/ErrnoOf.h"

#include <cerrno>

namespace ferolan {

namespace {

// Windows' ERROR_DISK_QUOTA_EXCEEDED, which Debian's MinGW-w64 headers do not name; Windows
// has no EDQUOT.
constexpr DWORD kDiskQuotaExceeded = 1295;

}  // namespace

// A name Windows refuses is EINVAL, as Linux says of the same name on a FAT file system. A
// missing folder on the way is ENOENT, as on POSIX, whose callers tell it from a missing file
// by the folder.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_FILE_READ_ONLY:
    case ERROR_DELETE_PENDING:
      return EACCES;
    case ERROR_PRIVILEGE_NOT_HELD:
      return EPERM;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
      return ENOTEMPTY;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_CANT_RESOLVE_FILENAME:
      return ELOOP;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
      return EINVAL;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
    case ERROR_NOT_READY:
    case ERROR_GEN_FAILURE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NETNAME_DELETED:
      return EIO;
    default:
      return 0;
  }
}

}  // namespace ferolan
