#include "platform/runtime/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/posix/UniqueFd.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

void Kill(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    RaiseForFile(kErrFileNotFound, path);
  if (::unlink(path.c_str()) != 0) RaiseFileError(errno, FileAccess::kRead, path);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string LeafOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

bool FolderOfExists(const std::string& path) {
  std::error_code ec;
  const auto parent = std::filesystem::path(path).parent_path();
  return parent.empty() || std::filesystem::is_directory(parent, ec);
}

std::string Dir(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  std::string name = std::filesystem::path(path).filename().string();
  return name.starts_with('.') ? std::string() : name;
}

// Anything but a regular file is refused before it is opened, as opening a FIFO waits for a
// writer and opening a device may act on it; the open itself does not wait either, in case the
// name changed in between.
bool IsOpenableRegularFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const UniqueFd probe(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  return probe.Valid() && ::fstat(probe.Get(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace ferolan
