#include "platform/runtime/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

InputFile::InputFile(const std::string& path) : buffer_(new char[kBufferSize]) {
  fd_ = UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd_.Valid()) RaiseFileError(errno, FileAccess::kRead, path);
  struct stat info {};
  if (::fstat(fd_.Get(), &info) != 0) RaiseFileError(errno, FileAccess::kRead, path);
  if (S_ISDIR(info.st_mode)) Raise(kErrPathFileAccess);
}

bool InputFile::Fill() {
  if (pos_ < end_) return true;
  for (;;) {
    const ssize_t got = ::read(fd_.Get(), buffer_.get(), kBufferSize);
    if (got > 0) {
      pos_ = 0;
      end_ = static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) return false;
    if (errno != EINTR) Raise(kErrDeviceIO);
  }
}

void InputFile::RaiseInputPastEnd() { Raise(kErrInputPastEnd); }

bool InputFile::AtEnd() { return !Fill(); }

char InputFile::ReadChar() {
  if (!Fill()) RaiseInputPastEnd();
  return buffer_[pos_++];
}

bool InputFile::ReadMatches(std::string_view expected) {
  bool equal = true;
  while (!expected.empty()) {
    if (!Fill()) RaiseInputPastEnd();
    const std::size_t take = std::min(expected.size(), end_ - pos_);
    equal = equal && std::memcmp(buffer_.get() + pos_, expected.data(), take) == 0;
    pos_ += take;
    expected.remove_prefix(take);
  }
  return equal;
}

bool InputFile::SkipPast(char stop) {
  while (Fill()) {
    const char* from = buffer_.get() + pos_;
    if (const void* hit = std::memchr(from, stop, end_ - pos_)) {
      pos_ += static_cast<std::size_t>(static_cast<const char*>(hit) - from) + 1;
      return true;
    }
    pos_ = end_;
  }
  return false;
}

}  // namespace ferolan
