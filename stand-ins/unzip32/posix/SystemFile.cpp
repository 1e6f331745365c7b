#include "stand-ins/unzip32/SystemFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "stand-ins/common/posix/Fd.h"

namespace unzip32 {

struct SystemFile::Native {
  standin::Fd fd;
};

SystemFile::SystemFile(std::unique_ptr<Native> native, zip_uint64_t size, std::time_t modified)
    : native_(std::move(native)), size_(size), modified_(modified) {}

SystemFile::~SystemFile() = default;

std::unique_ptr<SystemFile> SystemFile::Open(const char* path, std::string& cause) {
  auto native = std::make_unique<Native>(Native{standin::Fd(::open(path, O_RDONLY | O_CLOEXEC))});
  struct stat info {};
  if (native->fd.Get() < 0 || ::fstat(native->fd.Get(), &info) != 0) {
    cause = standin::ErrorText(errno);
    return nullptr;
  }
  if (!S_ISREG(info.st_mode)) {
    cause = "ce n'est pas un fichier";
    return nullptr;
  }
  return std::unique_ptr<SystemFile>(
      new SystemFile(std::move(native), static_cast<zip_uint64_t>(info.st_size), info.st_mtime));
}

zip_int64_t SystemFile::ReadAt(zip_uint64_t at, char* data, std::size_t size, int& error) const {
  ssize_t got;
  do {
    got = ::pread(native_->fd.Get(), data, size, static_cast<off_t>(at));
  } while (got < 0 && errno == EINTR);
  if (got < 0) error = errno;
  return got;
}

}  // namespace unzip32
