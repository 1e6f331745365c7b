// A sequential file opened for writing (created, or emptied if it exists), written through a
// fixed-size buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/runtime/NativeFile.h"

namespace ferolan {

class OutputFile {
 public:
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // Creates or empties the file; raises the runtime's file error when it cannot.
  explicit OutputFile(const std::string& path);
  // Takes over a file already open for writing; `path` names it in errors.
  OutputFile(NativeFile file, std::string path);
  OutputFile(OutputFile&&) noexcept = default;
  OutputFile& operator=(OutputFile&&) noexcept = default;
  // Writes what is still buffered; errors are lost here, so callers that care call Close().
  ~OutputFile();

  void Write(std::string_view text);
  void WriteSpaces(std::size_t count);
  // Writes the text followed by CR LF.
  void WriteLine(std::string_view text);

  // Bytes written so far, buffered ones included.
  std::uint64_t Offset() const { return flushed_ + used_; }
  // Drops everything written after `offset`.
  void TruncateTo(std::uint64_t offset);

  // Writes what is buffered and closes the file; raises the runtime's error on failure.
  void Close();
  // Closes the file without writing what is still buffered.
  void Abandon();

 private:
  void Flush();

  NativeFile file_;
  std::string path_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::uint64_t flushed_ = 0;
};

}  // namespace ferolan
