#include "platform/runtime/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/runtime/FileLock.h"
#include "platform/runtime/FileTree.h"
#include "platform/runtime/RandomName.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

// Hidden temporary names are "." + the final name + this marker + random letters.
constexpr const char* kTemporaryMarker = ".~ferolan-";
constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string LeafOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// The file a chain of symbolic links ends at, existing or not.
std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length <= 0 || length == sizeof target)
      RaiseFileError(ENAMETOOLONG, FileAccess::kWrite, path);
    const std::string text(target, static_cast<std::size_t>(length));
    current = text.starts_with('/') ? text : FolderOf(current) + "/" + text;
  }
  RaiseFileError(ELOOP, FileAccess::kWrite, path);
}

// Refuses up front what could not be replaced, so nothing is written in vain; gives the
// permission bits of the file replaced, or -1 when there is none.
int CheckReplaceable(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return -1;
  if (!S_ISREG(info.st_mode)) RaiseForFile(kErrPathFileAccess, target);
  if (::access(target.c_str(), W_OK) != 0) RaiseFileError(errno, FileAccess::kWrite, target);
  return static_cast<int>(info.st_mode & 07777);
}

UniqueFd OpenFolder(const std::string& target) {
  UniqueFd folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) RaiseFileError(errno, FileAccess::kWrite, target);
  return folder;
}

std::string TemporaryPrefix(const std::string& leaf) { return "." + leaf + kTemporaryMarker; }

// Removes the hidden temporary files of `leaf` that runs which ended left behind; one whose
// lock is held belongs to a run still writing.
void SweepLeftTemporaries(int folder, const std::string& leaf) {
  for (const std::string& name : NamesStartingWith(folder, TemporaryPrefix(leaf))) {
    const UniqueFd file(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Valid() && ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
        LockExclusive(file.Get(), LockWait::kNo)) {
      ::unlinkat(folder, name.c_str(), 0);
    }
  }
}

std::string HiddenName(const std::string& leaf) { return TemporaryPrefix(leaf) + RandomLetters(8); }

// Unnamed files can be named later only through /proc.
bool UnnamedFilesCanBeLinked() { return ::access("/proc/self/fd", X_OK) == 0; }

std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace

ReplacementFile::ReplacementFile(const std::string& finalPath)
    : target_(ResolveLinks(finalPath)),
      leaf_(LeafOf(target_)),
      keptMode_(CheckReplaceable(target_)),
      folder_(OpenFolder(target_)),
      file_(CreateTemporary(), target_) {}

UniqueFd ReplacementFile::CreateTemporary() {
  SweepLeftTemporaries(folder_.Get(), leaf_);
  UniqueFd fd;
  if (UnnamedFilesCanBeLinked()) {
    fd = UniqueFd(::openat(folder_.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    // Where unnamed files are not supported, a hidden name will do.
    if (!fd.Valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      RaiseFileError(errno, FileAccess::kWrite, target_);
    }
    if (fd.Valid()) LockExclusive(fd.Get(), LockWait::kNo);
  }
  while (!fd.Valid()) {
    tempName_ = HiddenName(leaf_);
    fd = UniqueFd(::openat(folder_.Get(), tempName_.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd.Valid()) {
      if (errno != EEXIST) RaiseFileError(errno, FileAccess::kWrite, target_);
      continue;
    }
    // A sweep by another run may have taken the file between its creation and its lock.
    struct stat info {};
    LockExclusive(fd.Get(), LockWait::kNo);
    if (::fstat(fd.Get(), &info) == 0 && info.st_nlink == 0) fd = UniqueFd();
  }
  if (keptMode_ >= 0) ::fchmod(fd.Get(), static_cast<mode_t>(keptMode_));
  held_ = UniqueFd(::dup(fd.Get()));
  if (!held_.Valid()) RaiseFileError(errno, FileAccess::kWrite, target_);
  return fd;
}

ReplacementFile::~ReplacementFile() {
  if (inPlace_) return;
  file_.Abandon();
  if (!tempName_.empty()) ::unlinkat(folder_.Get(), tempName_.c_str(), 0);
}

void ReplacementFile::Complete() { file_.Close(); }

void ReplacementFile::PutInPlace() {
  // An unnamed file gets a hidden name first, as a link cannot replace an existing file.
  while (tempName_.empty()) {
    std::string name = HiddenName(leaf_);
    if (::linkat(AT_FDCWD, ProcPath(held_.Get()).c_str(), folder_.Get(), name.c_str(),
                 AT_SYMLINK_FOLLOW) == 0) {
      tempName_ = std::move(name);
    } else if (errno != EEXIST) {
      RaiseFileError(errno, FileAccess::kWrite, target_);
    }
  }
  if (::renameat(folder_.Get(), tempName_.c_str(), folder_.Get(), leaf_.c_str()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, target_);
  }
  inPlace_ = true;
  held_.Close();
}

}  // namespace ferolan
