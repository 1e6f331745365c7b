#include "tests/hostile/TmpfsMount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace ferolan::testing {

TmpfsMount::TmpfsMount(std::string folder, std::size_t bytes)
    : folder_(std::move(folder)), bytes_(bytes) {
  const std::string options = "size=" + std::to_string(bytes_);
  mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

TmpfsMount::~TmpfsMount() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool TmpfsMount::MakeReadOnly() {
  const std::string options = "size=" + std::to_string(bytes_);
  return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options.c_str()) == 0;
}

bool TmpfsMount::Fill(std::size_t left) {
  const std::string path = folder_ + "/.filler";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::vector<char> block(4096, 'x');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  struct statvfs disk {};
  ::fstatvfs(fd, &disk);
  const off_t size = ::lseek(fd, 0, SEEK_END);
  const std::size_t pages = (left + disk.f_frsize - 1) / disk.f_frsize;
  const bool filled = ::ftruncate(fd, size - static_cast<off_t>(pages * disk.f_frsize)) == 0;
  ::close(fd);
  return filled;
}

}  // namespace ferolan::testing
