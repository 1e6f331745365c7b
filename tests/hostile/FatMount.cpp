#include "tests/hostile/FatMount.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ferolan::testing {

namespace {

bool KernelHasVfat() {
  std::ifstream filesystems("/proc/filesystems");
  for (std::string line; std::getline(filesystems, line);) {
    if (line.ends_with("\tvfat")) return true;
  }
  return false;
}

bool Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

FatMount::FatMount(std::size_t bytes, unsigned owner) {
  if (::geteuid() != 0) {
    why_ = "mounting needs root";
    return;
  }
  // Other users reach the stick through the test's folder.
  std::filesystem::permissions(dir_.Path(), std::filesystem::perms(0755));
  const std::string image = dir_ / "stick.img";
  const std::string folder = dir_ / "stick";
  std::filesystem::create_directory(folder);
  std::filesystem::resize_file((std::ofstream(image), image), bytes);
  if (!Run("mkfs.fat " + image)) {
    why_ = "mkfs.fat (dosfstools) is missing";
    return;
  }
  const std::string ids = "uid=" + std::to_string(owner) + ",gid=" + std::to_string(owner);
  if (KernelHasVfat() && Run("mount -t vfat -o loop," + ids + " " + image + " " + folder)) {
    kind_ = "vfat";
  } else if (Run("fusefat -o rw+,allow_other " + image + " " + folder)) {
    kind_ = "fusefat";
  } else {
    why_ = "neither vfat through a loop device nor fusefat could mount a FAT image";
    return;
  }
  path_ = folder;
}

FatMount::~FatMount() {
  if (!path_.empty()) ::umount2(path_.c_str(), MNT_DETACH);
}

}  // namespace ferolan::testing
