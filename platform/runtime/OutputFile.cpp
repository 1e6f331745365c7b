#include "platform/runtime/OutputFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

OutputFile::OutputFile(const std::string& path)
    : OutputFile(NativeFile::CreateOrEmpty(path), path) {}

OutputFile::OutputFile(NativeFile file, std::string path)
    : file_(std::move(file)), path_(std::move(path)), buffer_(new char[kBufferSize]) {}

OutputFile::~OutputFile() {
  try {
    if (file_.Valid()) Flush();
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
    const std::size_t done = file_.Write(from, used_, path_);
    from += done;
    used_ -= done;
    flushed_ += done;
  }
}

void OutputFile::TruncateTo(std::uint64_t offset) {
  if (offset >= flushed_) {
    used_ = static_cast<std::size_t>(offset - flushed_);
    return;
  }
  used_ = 0;
  file_.TruncateTo(offset, path_);
  flushed_ = offset;
}

void OutputFile::Close() {
  if (!file_.Valid()) return;
  Flush();
  file_.Close(path_);
}

void OutputFile::Abandon() {
  used_ = 0;
  file_ = NativeFile();
}

}  // namespace ferolan
