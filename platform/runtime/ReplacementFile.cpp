#include "platform/runtime/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

#include "platform/runtime/FileLock.h"
#include "platform/runtime/FileTree.h"
#include "platform/runtime/HeldSignals.h"
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

// The rule the kernel applies to a plain open (fs.protected_symlinks): in a folder that is
// sticky and writable by all, such as /tmp or a shared class folder, only the user's own links
// and those of the folder's owner are followed. Following others there would let any user
// point our results at the user's own files.
bool MayFollow(const struct stat& link, const struct stat& folder) {
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

// The file a chain of symbolic links ends at; `shownPath` names the result in errors.
std::string ResolveLinks(const std::string& shownPath) {
  std::string current = shownPath;
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno == ENOENT && followed > 0) {
        RaiseForFile(kErrPathNotFound, shownPath,
                     "lien symbolique vers un fichier qui n'existe pas ; supprimez ce lien, puis "
                     "recommencez");
      }
      if (errno == ENOENT) return current;  // a new result; its folder is checked when opened
      RaiseFileError(errno, FileAccess::kWrite, shownPath);
    }
    if (!S_ISLNK(info.st_mode)) return current;
    struct stat folder {};
    if (::stat(FolderOf(current).c_str(), &folder) != 0) {
      RaiseFileError(errno, FileAccess::kWrite, shownPath);
    }
    if (!MayFollow(info, folder)) {
      RaiseForFile(kErrPermissionDenied, shownPath,
                   "lien symbolique d'un autre utilisateur dans un dossier partagé : Ferolan ne "
                   "le suit pas ; supprimez ce lien ou convertissez dans un autre dossier");
    }
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length <= 0 || length == sizeof target) {
      RaiseFileError(ENAMETOOLONG, FileAccess::kWrite, shownPath);
    }
    const std::string text(target, static_cast<std::size_t>(length));
    current = text.starts_with('/') ? text : FolderOf(current) + "/" + text;
  }
  RaiseFileError(ELOOP, FileAccess::kWrite, shownPath);
}

UniqueFd OpenFolder(const std::string& target, const std::string& shownPath) {
  UniqueFd folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) RaiseFileError(errno, FileAccess::kWrite, shownPath);
  return folder;
}

// Refuses up front what could not be replaced, so that nothing is written in vain and no
// rename can fail later on a permission; gives the file replaced (st_nlink 0 when none).
struct stat CheckReplaceable(int folder, const std::string& leaf, const std::string& shownPath) {
  struct stat info {};
  if (::fstatat(folder, leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno != ENOENT) RaiseFileError(errno, FileAccess::kWrite, shownPath);
    return {};
  }
  if (!S_ISREG(info.st_mode)) {
    RaiseForFile(kErrPathFileAccess, shownPath, "un dossier ou un fichier spécial porte ce nom");
  }
  if (::faccessat(folder, leaf.c_str(), W_OK, AT_EACCESS) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, shownPath);
  }
  // In a sticky folder the system lets only the file's owner, the folder's owner or root
  // replace a file.
  struct stat folderInfo {};
  const uid_t user = ::geteuid();
  if (::fstat(folder, &folderInfo) == 0 && (folderInfo.st_mode & S_ISVTX) != 0 && user != 0 &&
      info.st_uid != user && folderInfo.st_uid != user) {
    RaiseForFile(kErrPermissionDenied, shownPath,
                 "fichier d'un autre utilisateur dans un dossier partagé : seul son propriétaire "
                 "peut le remplacer");
  }
  return info;
}

std::string TemporaryPrefix(const std::string& leaf) { return "." + leaf + kTemporaryMarker; }

// Removes the hidden temporary files of `leaf` that runs which ended left behind; one whose
// lock is held belongs to a run still writing, one of another user is not ours to remove.
void SweepLeftTemporaries(int folder, const std::string& leaf) {
  for (const std::string& name : NamesStartingWith(folder, TemporaryPrefix(leaf))) {
    const UniqueFd file(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Valid() && ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid() && TryLockExclusive(file.Get())) {
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
    : shownPath_(finalPath),
      target_(ResolveLinks(finalPath)),
      leaf_(LeafOf(target_)),
      folder_(OpenFolder(target_, shownPath_)),
      replaced_(CheckReplaceable(folder_.Get(), leaf_, shownPath_)),
      file_(CreateTemporary(), shownPath_) {}

UniqueFd ReplacementFile::CreateTemporary() {
  SweepLeftTemporaries(folder_.Get(), leaf_);
  bool unnamed = UnnamedFilesCanBeLinked();
  UniqueFd fd;
  for (;;) {
    if (unnamed) {
      fd = UniqueFd(::openat(folder_.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
      // Where unnamed files are not supported, a hidden name will do.
      if (!fd.Valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        RaiseFileError(errno, FileAccess::kWrite, shownPath_);
      }
      unnamed = fd.Valid();
    }
    if (!unnamed) {
      tempName_ = HiddenName(leaf_);
      fd = UniqueFd(::openat(folder_.Get(), tempName_.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
      if (!fd.Valid()) {
        if (errno != EEXIST) RaiseFileError(errno, FileAccess::kWrite, shownPath_);
        continue;
      }
    }
    // The lock tells the sweep of another run that the file is in use; a named file may have
    // been swept between its creation and its lock.
    TryLockExclusive(fd.Get());
    struct stat info {};
    if (unnamed || (::fstat(fd.Get(), &info) == 0 && info.st_nlink > 0)) break;
  }
  if (replaced_.st_nlink > 0) {
    // Root keeps the file its owner's; the special bits of the file replaced never carry over.
    const bool givenBack =
        ::geteuid() != 0 || ::fchown(fd.Get(), replaced_.st_uid, replaced_.st_gid) == 0;
    if (!givenBack || ::fchmod(fd.Get(), replaced_.st_mode & 0777) != 0) {
      RaiseFileError(errno, FileAccess::kWrite, shownPath_);
    }
  }
  held_ = UniqueFd(::dup(fd.Get()));
  if (!held_.Valid()) RaiseFileError(errno, FileAccess::kWrite, shownPath_);
  return fd;
}

ReplacementFile::~ReplacementFile() {
  if (inPlace_) return;
  file_.Abandon();
  if (!tempName_.empty()) ::unlinkat(folder_.Get(), tempName_.c_str(), 0);
}

void ReplacementFile::CheckDistinctFrom(const ReplacementFile& other) const {
  struct stat mine {};
  struct stat theirs {};
  if (::fstat(folder_.Get(), &mine) == 0 && ::fstat(other.folder_.Get(), &theirs) == 0 &&
      mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino && leaf_ == other.leaf_) {
    RaiseForFile(kErrPathFileAccess, shownPath_,
                 "mène par un lien symbolique au même fichier que " + LeafOf(other.shownPath_) +
                     " : les deux fichiers de résultats ne peuvent pas en partager un");
  }
}

void ReplacementFile::Complete() {
  file_.Close();
  if (::fsync(held_.Get()) != 0) RaiseFileError(errno, FileAccess::kWrite, shownPath_);
  // An unnamed file gets its hidden name now, as a link cannot replace an existing file: only
  // the rename is left for PutInPlaceTogether.
  while (tempName_.empty()) {
    std::string name = HiddenName(leaf_);
    if (::linkat(AT_FDCWD, ProcPath(held_.Get()).c_str(), folder_.Get(), name.c_str(),
                 AT_SYMLINK_FOLLOW) == 0) {
      tempName_ = std::move(name);
    } else if (errno != EEXIST) {
      RaiseFileError(errno, FileAccess::kWrite, shownPath_);
    }
  }
}

void ReplacementFile::Rename() {
  if (::renameat(folder_.Get(), tempName_.c_str(), folder_.Get(), leaf_.c_str()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, shownPath_);
  }
  inPlace_ = true;
  held_.Close();
}

void ReplacementFile::SyncFolder() const {
  // Some file systems cannot flush a folder (EINVAL); the results are in place all the same.
  if (::fsync(folder_.Get()) != 0 && errno != EINVAL) {
    RaiseFileError(errno, FileAccess::kWrite, shownPath_);
  }
}

void ReplacementFile::PutInPlaceTogether(ReplacementFile& first, ReplacementFile& second) {
  {
    const HeldSignals held;
    first.Rename();
    second.Rename();
  }
  first.SyncFolder();
  second.SyncFolder();
}

}  // namespace ferolan
