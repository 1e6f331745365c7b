#include "platform/posix/OtherUsers.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

namespace ferolan {

namespace {

// Debian gives each user a group of the user's own name: a folder writable by that group is
// writable by the user alone, as long as nobody else was added to it.
bool IsPrivateGroupOfUser(gid_t gid) {
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr || user->pw_gid != gid) return false;
  const std::string name = user->pw_name;
  const group* owners = ::getgrgid(gid);
  if (owners == nullptr || name != owners->gr_name) return false;
  for (char** member = owners->gr_mem; *member != nullptr; ++member) {
    if (name != *member) return false;
  }
  return true;
}

}  // namespace

bool OthersMayWrite(const struct stat& folder) {
  const uid_t user = ::geteuid();
  if ((folder.st_mode & S_IWOTH) != 0) return true;
  if ((folder.st_mode & S_IWUSR) != 0 && folder.st_uid != user && folder.st_uid != 0) return true;
  return (folder.st_mode & S_IWGRP) != 0 && !IsPrivateGroupOfUser(folder.st_gid);
}

}  // namespace ferolan
