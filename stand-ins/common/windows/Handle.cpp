#include "stand-ins/common/windows/Handle.h"

namespace standin {

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
  }
  return *this;
}

Handle::~Handle() { Close(); }

bool Handle::Close() {
  if (!Valid()) return true;
  return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
}

}  // namespace standin
