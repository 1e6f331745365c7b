#include "platform/winapi/FileBytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/UniqueFd.h"
#include "platform/runtime/FileSystem.h"
#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

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

}  // namespace

// A folder opens here and refuses to be read (EISDIR).
DWORD ReadFileBytes(const std::string& path, std::string& bytes) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return ErrorOf(errno, path);
  char chunk[8192];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got == 0) return 0;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorOf(errno, path);
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace ferolan::winapi
