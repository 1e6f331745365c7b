// A FAT file system, as on a USB stick, mounted on a folder of the test's: the kernel's vfat
// through a loop device where the kernel has it, else fusefat. Its files belong to `owner`
// (vfat) or to root, whoever makes them (fusefat), as such file systems keep no owners.
#pragma once

#include <cstddef>
#include <string>

#include "tests/support/TempDir.h"

namespace ferolan::testing {

class FatMount {
 public:
  FatMount(std::size_t bytes, unsigned owner);
  ~FatMount();
  FatMount(const FatMount&) = delete;
  FatMount& operator=(const FatMount&) = delete;

  // Empty when this machine cannot make or mount one (not root, no tools); Why() then says why.
  const std::string& Path() const { return path_; }
  const std::string& Why() const { return why_; }
  // "vfat" or "fusefat".
  const std::string& Kind() const { return kind_; }

 private:
  TempDir dir_;
  std::string path_;
  std::string why_;
  std::string kind_;
};

}  // namespace ferolan::testing
