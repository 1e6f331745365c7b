// An owned file descriptor, closed when its owner goes.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace ferolan {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.fd_, -1));
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }

  // Closes the descriptor and reports whether the close succeeded.
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

  // Gives the descriptor up to a new owner, which must close it.
  int Release() { return std::exchange(fd_, -1); }

 private:
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

  int fd_ = -1;
};

// A second descriptor of the same open file, closed on exec; invalid, with errno set, on
// failure. Not F_DUPFD_CLOEXEC: the page's runtime carries that out by opening the path again,
// which may no longer name the same file.
inline UniqueFd Duplicate(int fd) {
  UniqueFd copy(::dup(fd));
  if (copy.Valid()) ::fcntl(copy.Get(), F_SETFD, FD_CLOEXEC);
  return copy;
}

}  // namespace ferolan
