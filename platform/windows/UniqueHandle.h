// An owned Windows handle, closed when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace ferolan {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, INVALID_HANDLE_VALUE));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

  // Closes the handle and reports whether the close succeeded.
  bool Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return handle == INVALID_HANDLE_VALUE || handle == nullptr || ::CloseHandle(handle) != 0;
  }

  // Gives the handle up to a new owner, which must close it.
  HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

 private:
  void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
    if (Valid()) ::CloseHandle(handle_);
    handle_ = handle;
  }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace ferolan
