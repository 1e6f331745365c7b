// A small memory-backed file system mounted on a test's folder, to make a folder that is full
// or read-only. Mounting needs privileges that not every machine gives the tests.
#pragma once

#include <cstddef>
#include <string>

namespace ferolan::testing {

class TmpfsMount {
 public:
  // Mounts a tmpfs of `bytes` at `folder`, which must exist; Mounted() tells whether it could.
  TmpfsMount(std::string folder, std::size_t bytes);
  ~TmpfsMount();
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool Mounted() const { return mounted_; }
  // Makes the mounted file system read-only.
  bool MakeReadOnly();
  // Fills the file system with a file of its own until no more than `left` bytes are free.
  bool Fill(std::size_t left);

 private:
  std::string folder_;
  std::size_t bytes_;
  bool mounted_ = false;
};

}  // namespace ferolan::testing
