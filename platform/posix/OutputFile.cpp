#include "platform/runtime/OutputFile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

UniqueFd CreateOrEmpty(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.Valid()) RaiseFileError(errno, FileAccess::kWrite, path);
  return fd;
}

}  // namespace

OutputFile::OutputFile(const std::string& path) : OutputFile(CreateOrEmpty(path), path) {}

OutputFile::OutputFile(UniqueFd fd, std::string path)
    : fd_(std::move(fd)), path_(std::move(path)), buffer_(new char[kBufferSize]) {}

OutputFile::~OutputFile() {
  try {
    if (fd_.Valid()) Flush();
  } catch (const RuntimeError&) {
    // The file is being abandoned on an error path already; the first error is the one reported.
  }
}

void OutputFile::Write(std::string_view text) {
  while (!text.empty()) {
    if (used_ == kBufferSize) Flush();
    const std::size_t take = std::min(text.size(), kBufferSize - used_);
    std::memcpy(buffer_.get() + used_, text.data(), take);
    used_ += take;
    text.remove_prefix(take);
  }
}

void OutputFile::WriteSpaces(std::size_t count) {
  while (count > 0) {
    if (used_ == kBufferSize) Flush();
    const std::size_t take = std::min(count, kBufferSize - used_);
    std::memset(buffer_.get() + used_, ' ', take);
    used_ += take;
    count -= take;
  }
}

void OutputFile::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void OutputFile::Flush() {
  const char* from = buffer_.get();
  while (used_ > 0) {
    const ssize_t done = ::write(fd_.Get(), from, used_);
    if (done < 0) {
      if (errno == EINTR) continue;
      RaiseFileError(errno, FileAccess::kWrite, path_);
    }
    from += done;
    used_ -= static_cast<std::size_t>(done);
    flushed_ += static_cast<std::uint64_t>(done);
  }
}

void OutputFile::TruncateTo(std::uint64_t offset) {
  if (offset >= flushed_) {
    used_ = static_cast<std::size_t>(offset - flushed_);
    return;
  }
  used_ = 0;
  if (::ftruncate(fd_.Get(), static_cast<off_t>(offset)) != 0 ||
      ::lseek(fd_.Get(), static_cast<off_t>(offset), SEEK_SET) < 0) {
    RaiseFileError(errno, FileAccess::kWrite, path_);
  }
  flushed_ = offset;
}

void OutputFile::Close() {
  if (!fd_.Valid()) return;
  Flush();
  if (!fd_.Close()) RaiseFileError(errno, FileAccess::kWrite, path_);
}

void OutputFile::Abandon() {
  used_ = 0;
  fd_.Close();
}

}  // namespace ferolan
