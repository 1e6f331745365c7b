#include "platform/posix/TemporaryFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileLock.h"
#include "platform/posix/FolderAt.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// Unnamed files can be named later only through /proc.
bool UnnamedFilesCanBeLinked() { return ::access("/proc/self/fd", X_OK) == 0; }

std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Removes the temporaries of `leaf` that runs which ended left behind: one whose lock is held
// belongs to a run still writing, one owned otherwise than `made` is another user's, and `made`
// itself is this run's (where locks are not kept, nothing else tells). Staged and kept files
// carry other markers: they belong to a commit's record.
void SweepLeftTemporaries(int folder, const std::string& leaf, const struct stat& made) {
  for (const std::string& name : NamesStartingWith(folder, TemporaryPrefix(leaf))) {
    const UniqueFd file(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Valid() && ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == made.st_uid && (info.st_dev != made.st_dev || info.st_ino != made.st_ino) &&
        TryLockExclusive(file.Get())) {
      ::unlinkat(folder, name.c_str(), 0);
    }
  }
}

}  // namespace

TemporaryFile TemporaryFile::Create(int folder, const std::string& leaf,
                                    const std::string& shownPath) {
  UniqueFd ownFolder = Duplicate(folder);
  if (!ownFolder.Valid()) RaiseFileError(errno, FileAccess::kWrite, shownPath);
  // From here on, the name made is removed with `made` if anything fails.
  TemporaryFile made(std::move(ownFolder), {}, {}, UnnamedFilesCanBeLinked());
  for (;;) {
    if (made.unnamed_) {
      made.fd_ = UniqueFd(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
      // Where unnamed files are not supported, a hidden name will do.
      if (!made.fd_.Valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        RaiseFileError(errno, FileAccess::kWrite, shownPath);
      }
      made.unnamed_ = made.fd_.Valid();
    }
    if (!made.unnamed_) {
      std::string name = TemporaryName(leaf);
      made.fd_ = UniqueFd(
          ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
      if (!made.fd_.Valid()) {
        if (errno != EEXIST) RaiseFileError(errno, FileAccess::kWrite, shownPath);
        continue;
      }
      made.name_ = std::move(name);
    }
    // The lock tells the sweep of another run that the file is in use; a named file may have
    // been swept between its creation and its lock, and is then made again.
    TryLockExclusive(made.fd_.Get());
    struct stat info {};
    if (::fstat(made.fd_.Get(), &info) != 0) RaiseFileError(errno, FileAccess::kWrite, shownPath);
    if (made.unnamed_ || info.st_nlink > 0) {
      SweepLeftTemporaries(folder, leaf, info);
      return made;
    }
    made.name_.clear();
  }
}

TemporaryFile::~TemporaryFile() {
  if (!name_.empty()) ::unlinkat(folder_.Get(), name_.c_str(), 0);
}

void TemporaryFile::MoveTo(const std::string& name, const std::string& shownPath) {
  const bool moved =
      unnamed_ ? ::linkat(AT_FDCWD, ProcPath(fd_.Get()).c_str(), folder_.Get(), name.c_str(),
                          AT_SYMLINK_FOLLOW) == 0
               : ::renameat(folder_.Get(), name_.c_str(), folder_.Get(), name.c_str()) == 0;
  if (!moved) RaiseFileError(errno, FileAccess::kWrite, shownPath);
  name_.clear();
  unnamed_ = false;
}

}  // namespace ferolan
