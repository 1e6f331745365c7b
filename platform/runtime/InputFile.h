// A sequential file opened for reading, read through a fixed-size buffer.
// Reading past the end raises "input past end of file" exactly where a reader that takes one
// byte at a time would meet the end.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/runtime/NativeFile.h"

namespace ferolan {

class InputFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;

  // Opens an existing file; raises the runtime's file error when it cannot (a folder is refused).
  explicit InputFile(const std::string& path);

  // True when no byte is left to read.
  bool AtEnd() { return !Fill(); }

  // Reads one byte.
  char ReadChar() {
    if (!Fill()) RaiseInputPastEnd();
    return buffer_[pos_++];
  }

  // Reads expected.size() bytes and tells whether they equal `expected`. The bytes are used up
  // either way.
  bool ReadMatches(std::string_view expected) { return Matches(expected, true); }
  // The same, where meeting the end of the file first is no error: the bytes left are used up
  // and do not match.
  bool ReadMatchesUnlessEnd(std::string_view expected) { return Matches(expected, false); }

  // Uses up every byte up to and including the next `stop`. False when the end came first.
  bool SkipPast(char stop) {
    return HandOverUntil(stop, [](std::string_view) {});
  }

  // Hands the bytes before the next `stop` to `sink` in pieces and uses up the `stop` too.
  // Meeting the end first is "input past end of file".
  template <class Sink>
  void ReadUntil(char stop, Sink&& sink) {
    if (!HandOverUntil(stop, sink)) RaiseInputPastEnd();
  }

  // Hands one line to `sink` in pieces. A line ends at CR or at CR LF, or at the end of the
  // file; the line end is used up and not handed over.
  template <class Sink>
  void ReadLine(Sink&& sink) {
    if (HandOverUntil('\r', sink) && Fill() && buffer_[pos_] == '\n') ++pos_;
  }

 private:
  // Makes at least one byte available; false at the end of the file.
  bool Fill() { return pos_ < end_ || Refill(); }
  bool Refill();
  bool Matches(std::string_view expected, bool endRaises) {
    if (end_ - pos_ < expected.size()) return MatchesAcrossRefills(expected, endRaises);
    const bool equal = std::memcmp(buffer_.get() + pos_, expected.data(), expected.size()) == 0;
    pos_ += expected.size();
    return equal;
  }
  bool MatchesAcrossRefills(std::string_view expected, bool endRaises);
  [[noreturn]] void RaiseInputPastEnd() const;

  // Hands the bytes before the next `stop` to `sink` in pieces and uses up the `stop`. False
  // when the end came first.
  template <class Sink>
  bool HandOverUntil(char stop, Sink&& sink) {
    while (Fill()) {
      const char* from = buffer_.get() + pos_;
      const std::size_t available = end_ - pos_;
      if (const void* hit = std::memchr(from, stop, available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(hit) - from);
        pos_ += length + 1;
        sink(std::string_view(from, length));
        return true;
      }
      pos_ = end_;
      sink(std::string_view(from, available));
    }
    return false;
  }

  std::string path_;  // names the file in errors
  NativeFile file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace ferolan
