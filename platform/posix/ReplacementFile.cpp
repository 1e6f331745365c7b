#include "platform/runtime/ReplacementFile.h"

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
#include "platform/posix/TemporaryFile.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/CommitNames.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

constexpr int kMostLinksFollowed = 40;

// Where a final name leads, once checked: the file to replace, with links resolved.
struct Destination {
  std::string shownPath;  // the name the user gave, for messages
  std::string target;     // the file replaced, with links resolved
  std::string leaf;       // its name in its folder
  UniqueFd folder;
  struct stat replaced {};  // the file replaced; st_nlink is 0 when there is none
};

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
        RaiseForFile(kErrPathNotFound, shownPath, texts::kLinkToNothing);
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
      RaiseForFile(kErrPermissionDenied, shownPath, texts::kColleaguesLink);
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
    RaiseForFile(kErrPathFileAccess, shownPath, texts::kFolderOrSpecialFile);
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
    RaiseForFile(kErrPermissionDenied, shownPath, texts::kColleaguesFile);
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
  RaiseForFile(kErrPathFileAccess, shownPath, texts::kFileAppeared);
}

// What the file open as `fd` holds, read from its start.
FileContent ContentOf(int fd, const std::string& shownPath) {
  FileContent content;
  char buffer[64 * 1024];
  for (off_t offset = 0;;) {
    const ssize_t count = ::pread(fd, buffer, sizeof buffer, offset);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) RaiseFileError(errno, FileAccess::kWrite, shownPath);
    if (count == 0) return content;
    content.Add({buffer, static_cast<std::size_t>(count)});
    offset += count;
  }
}

}  // namespace

struct ReplacementFile::Held {
  enum class Placing {
    kNotPlaced,
    kExchanged,  // the replaced file is under the staged name
    kNew,        // no file was replaced
    kMovedAway,  // the replaced file is under the kept name
  };

  Held(Destination destination, TemporaryFile temporary, OutputFile file, unsigned capabilities)
      : destination(std::move(destination)),
        temporary(std::move(temporary)),
        file(std::move(file)),
        capabilities(capabilities) {}

  Destination destination;
  TemporaryFile temporary;
  OutputFile file;
  unsigned capabilities;
  CommitNames names;  // chosen by Complete
  Placing placing = Placing::kNotPlaced;
};

ReplacementFile::ReplacementFile(std::unique_ptr<Held> held) : held_(std::move(held)) {}
ReplacementFile::ReplacementFile(ReplacementFile&&) noexcept = default;

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
  const unsigned capabilities =
      kFlushesFolders | kFinalNameAlwaysTaken | (temporary.Unnamed() ? kUnnamedTemporaries : 0u);
  return ReplacementFile(std::make_unique<Held>(std::move(destination), std::move(temporary),
                                                std::move(file), capabilities));
}

ReplacementFile::~ReplacementFile() {
  if (held_) held_->file.Abandon();
}

OutputFile& ReplacementFile::File() { return held_->file; }
unsigned ReplacementFile::Capabilities() const { return held_->capabilities; }

void ReplacementFile::CheckDistinctFrom(const ReplacementFile& other) const {
  const Destination& mine = held_->destination;
  const Destination& theirs = other.held_->destination;
  struct stat myFolder {};
  struct stat theirFolder {};
  if (::fstat(mine.folder.Get(), &myFolder) == 0 &&
      ::fstat(theirs.folder.Get(), &theirFolder) == 0 && SameFile(myFolder, theirFolder) &&
      mine.leaf == theirs.leaf) {
    RaiseForFile(kErrPathFileAccess, mine.shownPath, texts::SameFileAs(LeafOf(theirs.shownPath)));
  }
}

void ReplacementFile::Complete() {
  Held& held = *held_;
  held.file.Close();
  if (::fsync(held.temporary.Fd()) != 0) {
    RaiseFileError(errno, FileAccess::kWrite, held.destination.shownPath);
  }
  held.names.Choose(held.destination.leaf,
                    ContentOf(held.temporary.Fd(), held.destination.shownPath));
}

void ReplacementFile::CheckAgain() {
  Destination& destination = held_->destination;
  Destination now = CheckDestination(destination.shownPath);
  struct stat before {};
  struct stat after {};
  if (now.target != destination.target || ::fstat(destination.folder.Get(), &before) != 0 ||
      ::fstat(now.folder.Get(), &after) != 0 || !SameFile(before, after)) {
    RaiseForFile(kErrPathFileAccess, destination.shownPath, texts::kNameLeadsElsewhere);
  }
  if (destination.replaced.st_nlink == 0 && now.replaced.st_nlink > 0) {
    RaiseAppeared(destination.shownPath);
  }
  destination.replaced = now.replaced;
}

RecordedResult ReplacementFile::Plan() const {
  const Destination& destination = held_->destination;
  return held_->names.Record(destination.shownPath, FolderOf(destination.target),
                             destination.leaf, destination.replaced.st_nlink > 0);
}

void ReplacementFile::Stage() {
  Held& held = *held_;
  held.names.RequireChosen();
  held.temporary.MoveTo(held.names.staged, held.destination.shownPath);
  held.names.isStaged = true;
}

void ReplacementFile::PutInPlace() {
  Held& held = *held_;
  if (!held.names.isStaged) throw std::logic_error("ReplacementFile put in place unstaged");
  const Destination& destination = held.destination;
  const int folder = destination.folder.Get();
  const char* staged = held.names.staged.c_str();
  const char* leaf = destination.leaf.c_str();
  const auto raise = [&] { RaiseFileError(errno, FileAccess::kWrite, destination.shownPath); };
  if (destination.replaced.st_nlink == 0) {
    // Nothing to keep: the name must still be free, and a file that took it meanwhile stays.
    bool placed = RenameNoReplace(folder, staged, leaf);
    if (!placed && errno == EINVAL) {
      struct stat taken {};
      if (::fstatat(folder, leaf, &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
      } else {
        placed = ::renameat(folder, staged, folder, leaf) == 0;
      }
    }
    if (!placed && errno == EEXIST) RaiseAppeared(destination.shownPath);
    if (!placed) raise();
    held.placing = Held::Placing::kNew;
    return;
  }
  if (RenameExchange(folder, staged, leaf)) {
    held.placing = Held::Placing::kExchanged;
    return;
  }
  if (errno != EINVAL) raise();
  // A file system that cannot exchange two names: the replaced file moves to its kept name
  // first, and for the moment between the two renames the final name is free.
  held.capabilities &= ~kFinalNameAlwaysTaken;
  if (::renameat(folder, leaf, folder, held.names.kept.c_str()) != 0) raise();
  held.placing = Held::Placing::kMovedAway;
  if (::renameat(folder, staged, folder, leaf) != 0) raise();
}

bool ReplacementFile::DropEarlier() {
  const Held& held = *held_;
  const int folder = held.destination.folder.Get();
  switch (held.placing) {
    case Held::Placing::kExchanged:
      return ::unlinkat(folder, held.names.staged.c_str(), 0) == 0;
    case Held::Placing::kMovedAway:
      return ::unlinkat(folder, held.names.kept.c_str(), 0) == 0;
    default:
      return true;
  }
}

bool ReplacementFile::SyncFolder() {
  if (::fsync(held_->destination.folder.Get()) == 0) return true;
  if (errno != EINVAL && errno != ENOTSUP && errno != ENOSYS) return false;
  // A file system that cannot flush a folder says so; it renames as durably as it can.
  held_->capabilities &= ~kFlushesFolders;
  return true;
}

}  // namespace ferolan
