#include "platform/posix/NameLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <thread>

#include "platform/posix/TemporaryFile.h"
#include "platform/runtime/FileSystem.h"
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

// Letter case folded, so that a folder that ignores it finds one lock file for both names
// even where it tells them apart by inode (fusefat does); a folder that respects case then
// gives two names that differ only in case one lock, which only makes one wait for the other.
std::string LockName(const std::string& leaf) {
  std::string folded = leaf;
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return TemporaryPrefix(folded) + "lock";
}

}  // namespace

NameLock::NameLock(const std::string& path, std::chrono::milliseconds wait)
    : folder_(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
      name_(LockName(LeafOf(path))) {
  if (!folder_.Valid()) RaiseFileError(errno, FileAccess::kWrite, path);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // Read access is enough for a lock, and lets colleagues sharing the folder lock it too.
    lock_ = UniqueFd(::openat(folder_.Get(), name_.c_str(),
                              O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
    if (!lock_.Valid()) RaiseFileError(errno, FileAccess::kWrite, path);
    if (::flock(lock_.Get(), LOCK_EX | LOCK_NB) == 0) {
      if (StillNamed(folder_.Get(), name_, lock_.Get())) return;
      continue;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;  // no locks on this file system
    if (std::chrono::steady_clock::now() >= deadline) {
      RaiseForFile(kErrPermissionDenied, path,
                   "une autre conversion écrit en ce moment les mêmes fichiers de résultats ; "
                   "attendez qu'elle se termine, puis recommencez");
    }
    std::this_thread::sleep_for(kPause);
  }
}

NameLock::~NameLock() {
  if (lock_.Valid()) ::unlinkat(folder_.Get(), name_.c_str(), 0);
}

}  // namespace ferolan
