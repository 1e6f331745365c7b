#include "platform/runtime/NameLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <thread>

#include "platform/posix/UniqueFd.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

constexpr std::chrono::milliseconds kPause(50);

// Whether the file open as `lock` is still the one named `name` in `folder`: a holder removes
// the file before it lets go, and whoever opened it meanwhile must open the new one.
bool StillNamed(int folder, const std::string& name, int lock) {
  struct stat held {};
  struct stat named {};
  return ::fstat(lock, &held) == 0 &&
         ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

struct NameLock::Held {
  // What stands under the lock's name and cannot be a lock is said at once, naming it, rather
  // than waited for: a colleague's link, a folder, a lock file this user may not open.
  [[noreturn]] void Refuse(const std::string& path, int error) const {
    const std::string lock = FolderOf(path) + "/" + name;
    struct stat info {};
    if (::fstatat(folder.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(info.st_mode)) {
      RaiseForFile(kErrPathFileAccess, lock, texts::NotALock(FolderOf(path)));
    }
    if (error == EACCES || error == EPERM) {
      RaiseForFile(kErrPermissionDenied, lock, texts::LockNotOpenable(FolderOf(path)));
    }
    RaiseFileError(error, FileAccess::kWrite, path);
  }

  UniqueFd folder;
  std::string name;
  UniqueFd lock;
};

// The lock file's name is folded to lower case, so that a folder that ignores case finds one
// lock file for both names even where it tells them apart by inode (fusefat does); a folder that
// respects case then gives two names that differ only in case one lock, which only makes one
// wait for the other.
NameLock::NameLock(const std::string& path, std::chrono::milliseconds wait)
    : held_(std::make_unique<Held>()) {
  Held& held = *held_;
  held.folder = UniqueFd(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  held.name = LockName(LeafOf(path));
  if (!held.folder.Valid()) RaiseFileError(errno, FileAccess::kWrite, path);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // Read access is enough for a lock, and lets colleagues sharing the folder lock it too.
    held.lock = UniqueFd(::openat(held.folder.Get(), held.name.c_str(),
                                  O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
    if (!held.lock.Valid()) held.Refuse(path, errno);
    struct stat info {};
    if (::fstat(held.lock.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
      held.Refuse(path, errno);
    }
    if (::flock(held.lock.Get(), LOCK_EX | LOCK_NB) == 0) {
      if (StillNamed(held.folder.Get(), held.name, held.lock.Get())) return;
      continue;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;  // no locks on this file system
    if (std::chrono::steady_clock::now() >= deadline) {
      RaiseForFile(kErrPermissionDenied, path, texts::kAnotherConversion);
    }
    std::this_thread::sleep_for(kPause);
  }
}

NameLock::~NameLock() {
  if (held_->lock.Valid()) ::unlinkat(held_->folder.Get(), held_->name.c_str(), 0);
}

}  // namespace ferolan
