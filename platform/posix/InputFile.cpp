#include "platform/runtime/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

// The buffer comes with the first read, so that a file only opened costs no buffer.
InputFile::InputFile(const std::string& path) : path_(path) {
  fd_ = UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd_.Valid()) RaiseFileError(errno, FileAccess::kRead, path);
  struct stat info {};
  if (::fstat(fd_.Get(), &info) != 0) RaiseFileError(errno, FileAccess::kRead, path);
  if (S_ISDIR(info.st_mode)) RaiseForFile(kErrPathFileAccess, path);
}

bool InputFile::Refill() {
  if (!buffer_) buffer_.reset(new char[kBufferSize]);
  for (;;) {
    const ssize_t got = ::read(fd_.Get(), buffer_.get(), kBufferSize);
    if (got > 0) {
      pos_ = 0;
      end_ = static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) return false;
    if (errno != EINTR) RaiseForFile(kErrDeviceIO, path_);
  }
}

void InputFile::RaiseInputPastEnd() const { RaiseForFile(kErrInputPastEnd, path_); }

bool InputFile::MatchesAcrossRefills(std::string_view expected, bool endRaises) {
  bool equal = true;
  while (!expected.empty()) {
    if (!Fill()) {
      if (endRaises) RaiseInputPastEnd();
      return false;
    }
    const std::size_t take = std::min(expected.size(), end_ - pos_);
    equal = equal && std::memcmp(buffer_.get() + pos_, expected.data(), take) == 0;
    pos_ += take;
    expected.remove_prefix(take);
  }
  return equal;
}

}  // namespace ferolan
