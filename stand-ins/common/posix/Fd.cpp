#include "stand-ins/common/posix/Fd.h"

#include <unistd.h>

namespace standin {

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

Fd::~Fd() { Close(); }

bool Fd::Close() {
  if (fd_ < 0) return true;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  return closed;
}

}  // namespace standin
