#include "stand-ins/common/Fd.h"

#include <unistd.h>

#include <system_error>

namespace standin {

std::string ErrorText(int error) { return std::generic_category().message(error); }

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
