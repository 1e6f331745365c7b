// A sequential file opened for reading, read through a fixed-size buffer.
// Reading past the end raises "input past end of file" exactly where a reader that takes one
// byte at a time would meet the end.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/runtime/UniqueFd.h"

namespace ferolan {

class InputFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;

  // Opens an existing file; raises the runtime's file error when it cannot (a folder is refused).
  explicit InputFile(const std::string& path);

  // True when no byte is left to read.
  bool AtEnd();

  // Reads one byte.
  char ReadChar();

  // Reads expected.size() bytes and tells whether they equal `expected`. The bytes are used up
  // either way.
  bool ReadMatches(std::string_view expected);

  // Uses up every byte up to and including the next `stop`. False when the end came first.
  bool SkipPast(char stop);

  // Hands the bytes before the next `stop` to `sink` in pieces and uses up the `stop` too.
  // Meeting the end first is "input past end of file".
  template <class Sink>
  void ReadUntil(char stop, Sink&& sink) {
    for (;;) {
      if (!Fill()) RaiseInputPastEnd();
      const char* from = buffer_.get() + pos_;
      const std::size_t available = end_ - pos_;
      if (const void* hit = std::memchr(from, stop, available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(hit) - from);
        pos_ += length + 1;
        sink(std::string_view(from, length));
        return;
      }
      pos_ = end_;
      sink(std::string_view(from, available));
    }
  }

  // Hands one line to `sink` in pieces. A line ends at CR or at CR LF, or at the end of the
  // file; the line end is used up and not handed over.
  template <class Sink>
  void ReadLine(Sink&& sink) {
    while (Fill()) {
      const char* from = buffer_.get() + pos_;
      const std::size_t available = end_ - pos_;
      if (const void* hit = std::memchr(from, '\r', available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(hit) - from);
        pos_ += length + 1;
        sink(std::string_view(from, length));
        if (Fill() && buffer_[pos_] == '\n') ++pos_;
        return;
      }
      pos_ = end_;
      sink(std::string_view(from, available));
    }
  }

 private:
  // Makes at least one byte available; false at the end of the file.
  bool Fill();
  [[noreturn]] static void RaiseInputPastEnd();

  UniqueFd fd_;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace ferolan
