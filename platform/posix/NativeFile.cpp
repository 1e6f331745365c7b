#include "platform/runtime/NativeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

int Fd(NativeFile::Handle handle) { return static_cast<int>(handle); }

}  // namespace

NativeFile NativeFile::OpenForReading(const std::string& path) {
  NativeFile file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.Valid()) RaiseFileError(errno, FileAccess::kRead, path);
  struct stat info {};
  if (::fstat(Fd(file.handle_), &info) != 0) RaiseFileError(errno, FileAccess::kRead, path);
  if (S_ISDIR(info.st_mode)) RaiseForFile(kErrPathFileAccess, path);
  return file;
}

NativeFile NativeFile::CreateOrEmpty(const std::string& path) {
  NativeFile file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!file.Valid()) RaiseFileError(errno, FileAccess::kWrite, path);
  return file;
}

std::size_t NativeFile::Read(char* into, std::size_t size, const std::string& path) {
  for (;;) {
    const ssize_t got = ::read(Fd(handle_), into, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) RaiseForFile(kErrDeviceIO, path);
  }
}

std::size_t NativeFile::Write(const char* from, std::size_t size, const std::string& path) {
  for (;;) {
    const ssize_t done = ::write(Fd(handle_), from, size);
    if (done >= 0) return static_cast<std::size_t>(done);
    if (errno != EINTR) RaiseFileError(errno, FileAccess::kWrite, path);
  }
}

void NativeFile::TruncateTo(std::uint64_t offset, const std::string& path) {
  if (::ftruncate(Fd(handle_), static_cast<off_t>(offset)) != 0 ||
      ::lseek(Fd(handle_), static_cast<off_t>(offset), SEEK_SET) < 0) {
    RaiseFileError(errno, FileAccess::kWrite, path);
  }
}

void NativeFile::Close(const std::string& path) {
  const Handle handle = std::exchange(handle_, kNone);
  if (handle != kNone && ::close(Fd(handle)) != 0) RaiseFileError(errno, FileAccess::kWrite, path);
}

void NativeFile::Drop() noexcept {
  if (handle_ != kNone) ::close(Fd(std::exchange(handle_, kNone)));
}

}  // namespace ferolan
