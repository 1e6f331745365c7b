#include "platform/posix/ReplacementFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <stdexcept>
#include <utility>

#include "platform/posix/OtherUsers.h"
#include "platform/posix/Renames.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

constexpr int kMostLinksFollowed = 40;

// A link is followed when it is the user's own, or when nobody else can have put it there. A
// colleague's link in a class folder on a school server could otherwise point the results at
// the user's own files. This goes further than the kernel's rule for plain opens, which covers
// only folders that are sticky and writable by all.
bool MayFollow(const struct stat& link, const struct stat& folder) {
  return link.st_uid == ::geteuid() || !OthersMayWrite(folder);
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

Destination CheckDestination(const std::string& shownPath) {
  Destination destination;
  destination.shownPath = shownPath;
  destination.target = ResolveLinks(shownPath);
  destination.leaf = LeafOf(destination.target);
  destination.folder = OpenFolder(destination.target, shownPath);
  destination.replaced = CheckReplaceable(destination.folder.Get(), destination.leaf, shownPath);
  return destination;
}

bool SameFile(const struct stat& one, const struct stat& other) {
  return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// The new file takes the permission bits of the file it replaces, never setuid, setgid or
// sticky; root keeps it its owner's. A file system without owners or permission bits (FAT, a
// network share) refuses both, and the file is then as that file system makes every file.
void TakeOwnerAndModeOf(const struct stat& replaced, int fd, const std::string& shownPath) {
  const auto unsupported = [] { return errno == EPERM || errno == ENOSYS || errno == EOPNOTSUPP; };
  if (::geteuid() == 0 && ::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 && !unsupported()) {
    RaiseFileError(errno, FileAccess::kWrite, shownPath);
  }
  if (::fchmod(fd, replaced.st_mode & 0777) != 0 && !unsupported()) {
    RaiseFileError(errno, FileAccess::kWrite, shownPath);
  }
}

// A file took a name that was free when the conversion began: it is not ours to replace.
[[noreturn]] void RaiseAppeared(const std::string& shownPath) {
  RaiseForFile(kErrPathFileAccess, shownPath,
               "un fichier de ce nom est apparu pendant la conversion : Ferolan ne le remplace "
               "pas ; recommencez la conversion");
}

}  // namespace

ReplacementFile ReplacementFile::Open(const std::string& finalPath) {
  Destination destination = CheckDestination(finalPath);
  TemporaryFile temporary =
      TemporaryFile::Create(destination.folder.Get(), destination.leaf, finalPath);
  if (destination.replaced.st_nlink > 0) {
    TakeOwnerAndModeOf(destination.replaced, temporary.Fd(), finalPath);
  }
  UniqueFd writer = Duplicate(temporary.Fd());
  if (!writer.Valid()) RaiseFileError(errno, FileAccess::kWrite, finalPath);
  OutputFile file(NativeFile(writer.Release()), finalPath);
  return ReplacementFile(std::move(destination), std::move(temporary), std::move(file));
}

ReplacementFile::~ReplacementFile() { file_.Abandon(); }

void ReplacementFile::CheckDistinctFrom(const ReplacementFile& other) const {
  struct stat mine {};
  struct stat theirs {};
  if (::fstat(destination_.folder.Get(), &mine) == 0 &&
      ::fstat(other.destination_.folder.Get(), &theirs) == 0 && SameFile(mine, theirs) &&
      destination_.leaf == other.destination_.leaf) {
    RaiseForFile(kErrPathFileAccess, destination_.shownPath,
                 "mène par un lien symbolique au même fichier que " +
                     LeafOf(other.destination_.shownPath) +
                     " : les deux fichiers de résultats ne peuvent pas en partager un");
  }
}

void ReplacementFile::Complete() {
  file_.Close();
  if (::fsync(temporary_.Fd()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, destination_.shownPath);
  }
  temporary_.GiveName(destination_.shownPath);
}

void ReplacementFile::CheckAgain() {
  Destination now = CheckDestination(destination_.shownPath);
  struct stat before {};
  struct stat after {};
  if (now.target != destination_.target || ::fstat(destination_.folder.Get(), &before) != 0 ||
      ::fstat(now.folder.Get(), &after) != 0 || !SameFile(before, after)) {
    RaiseForFile(kErrPathFileAccess, destination_.shownPath,
                 "ce nom mène ailleurs qu'au début de la conversion : Ferolan n'y écrit pas ; "
                 "recommencez la conversion");
  }
  if (destination_.replaced.st_nlink == 0 && now.replaced.st_nlink > 0) {
    RaiseAppeared(destination_.shownPath);
  }
  destination_.replaced = now.replaced;
}

void ReplacementFile::PutInPlace() {
  if (temporary_.Name().empty()) throw std::logic_error("ReplacementFile put in place unnamed");
  const int folder = destination_.folder.Get();
  const char* temporary = temporary_.Name().c_str();
  const char* leaf = destination_.leaf.c_str();
  if (destination_.replaced.st_nlink == 0) {
    // Nothing to keep: the name must still be free, and a file that took it meanwhile stays.
    bool placed = RenameNoReplace(folder, temporary, leaf);
    if (!placed && errno == EINVAL) {
      struct stat taken {};
      if (::fstatat(folder, leaf, &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
      } else {
        placed = ::renameat(folder, temporary, folder, leaf) == 0;
      }
    }
    if (!placed && errno == EEXIST) RaiseAppeared(destination_.shownPath);
    if (!placed) RaiseFileError(errno, FileAccess::kWrite, destination_.shownPath);
    temporary_.HandOnName();
    placing_ = Placing::kNew;
    return;
  }
  if (RenameExchange(folder, temporary, leaf)) {
    placing_ = Placing::kExchanged;
    return;
  }
  if (errno != EINVAL) RaiseFileError(errno, FileAccess::kWrite, destination_.shownPath);
  // A file system that cannot exchange two names: the replaced file moves to a hidden name of
  // its own first, and for the moment between the two renames the final name is free.
  std::string movedAway = HiddenName(destination_.leaf);
  if (::renameat(folder, leaf, folder, movedAway.c_str()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, destination_.shownPath);
  }
  if (::renameat(folder, temporary, folder, leaf) != 0) {
    const int error = errno;
    ::renameat(folder, movedAway.c_str(), folder, leaf);
    RaiseFileError(error, FileAccess::kWrite, destination_.shownPath);
  }
  temporary_.HandOnName();
  movedAway_ = std::move(movedAway);
  placing_ = Placing::kMovedAway;
}

bool ReplacementFile::TakeBack() {
  const int folder = destination_.folder.Get();
  const char* leaf = destination_.leaf.c_str();
  bool done = true;
  switch (placing_) {
    case Placing::kNotPlaced:
      break;
    case Placing::kExchanged:
      done = RenameExchange(folder, temporary_.Name().c_str(), leaf);
      // The temporary's name holds the replaced file until the exchange back is done.
      if (!done) temporary_.HandOnName();
      break;
    case Placing::kNew:
      done = ::unlinkat(folder, leaf, 0) == 0;
      break;
    case Placing::kMovedAway:
      done = ::renameat(folder, movedAway_.c_str(), folder, leaf) == 0;
      movedAway_.clear();
      break;
  }
  placing_ = Placing::kNotPlaced;
  return done;
}

void ReplacementFile::DropReplaced() {
  const int folder = destination_.folder.Get();
  if (placing_ == Placing::kExchanged) {
    ::unlinkat(folder, temporary_.Name().c_str(), 0);
    temporary_.HandOnName();
  }
  if (placing_ == Placing::kMovedAway) ::unlinkat(folder, movedAway_.c_str(), 0);
  movedAway_.clear();
}

bool ReplacementFile::SyncFolder() const { return ::fsync(destination_.folder.Get()) == 0; }

}  // namespace ferolan
