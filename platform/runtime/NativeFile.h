// An open file of the system's (a descriptor, or a handle where the system has those), owned
// and closed when its owner goes. The handle is kept as an integer so that the code above the
// platform sees no system type. Errors are raised as the runtime's file errors naming `path`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace ferolan {

class NativeFile {
 public:
  using Handle = std::intptr_t;
  static constexpr Handle kNone = -1;

  NativeFile() = default;
  // Takes over a file the platform's own code has opened.
  explicit NativeFile(Handle handle) : handle_(handle) {}
  NativeFile(NativeFile&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
  NativeFile& operator=(NativeFile&& other) noexcept {
    if (this != &other) {
      Drop();
      handle_ = std::exchange(other.handle_, kNone);
    }
    return *this;
  }
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;
  ~NativeFile() { Drop(); }

  // Opens an existing file for reading; a folder is refused.
  static NativeFile OpenForReading(const std::string& path);
  // Creates the file for writing, or empties it if it exists.
  static NativeFile CreateOrEmpty(const std::string& path);

  bool Valid() const { return handle_ != kNone; }

  // Reads up to `size` bytes; 0 at the end of the file.
  std::size_t Read(char* into, std::size_t size, const std::string& path);
  // Writes some of the `size` bytes, at least one, and tells how many: a disk that fills
  // partway takes part of them before it refuses the rest.
  std::size_t Write(const char* from, std::size_t size, const std::string& path);
  // Drops everything after `offset` and goes on writing there.
  void TruncateTo(std::uint64_t offset, const std::string& path);
  // Closes the file, raising when the system reports that it failed (data not written). The
  // file is closed either way.
  void Close(const std::string& path);

 private:
  // Closes the file, if any, and forgets what the close said.
  void Drop() noexcept;

  Handle handle_ = kNone;
};

}  // namespace ferolan
