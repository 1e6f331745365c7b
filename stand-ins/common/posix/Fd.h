// A file descriptor that is closed with its owner.
#pragma once

#include <utility>

#include "stand-ins/common/ErrorText.h"

namespace standin {

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd();

  int Get() const { return fd_; }
  // Closes now, to see the error that close reports.
  bool Close();

 private:
  int fd_;
};

}  // namespace standin
