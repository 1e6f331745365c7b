#include "stand-ins/zip32/Disk.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "stand-ins/common/posix/Fd.h"

namespace zip32 {

namespace {

FileKind KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return FileKind::kFolder;
  return S_ISREG(mode) ? FileKind::kFile : FileKind::kOther;
}

}  // namespace

Look LookAt(const std::string& path) {
  Look look;
  struct stat link {};
  look.isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    look.missing = errno == ENOENT;
    look.cause = standin::ErrorText(errno);
    return look;
  }
  look.facts =
      FileFacts{KindOf(info.st_mode), static_cast<zip_uint64_t>(info.st_size), info.st_mtime,
                FileId{static_cast<std::uint64_t>(info.st_dev), info.st_ino}};
  return look;
}

// Non-blocking, so that a pipe without a writer does not hold the call.
bool CanRead(const std::string& path, std::string& cause) {
  const standin::Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) cause = standin::ErrorText(errno);
  return fd.Get() >= 0;
}

bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& cause) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  if (error) cause = standin::ErrorText(error.value());
  return !error;
}

bool IsPathSeparator(char c) { return c == '/'; }

std::size_t DriveLength(std::string_view) { return 0; }

}  // namespace zip32
