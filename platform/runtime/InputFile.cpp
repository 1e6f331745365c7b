#include "platform/runtime/InputFile.h"

#include <algorithm>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

// The buffer comes with the first read, so that a file only opened costs no buffer.
InputFile::InputFile(const std::string& path)
    : path_(path), file_(NativeFile::OpenForReading(path)) {}

bool InputFile::Refill() {
  if (!buffer_) buffer_.reset(new char[kBufferSize]);
  const std::size_t got = file_.Read(buffer_.get(), kBufferSize, path_);
  if (got == 0) return false;
  pos_ = 0;
  end_ = got;
  return true;
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
