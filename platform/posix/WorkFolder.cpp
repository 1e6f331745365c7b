#include "platform/runtime/WorkFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/posix/FileLock.h"
#include "platform/posix/FolderAt.h"
#include "platform/posix/OtherUsers.h"
#include "platform/posix/UniqueFd.h"
#include "platform/runtime/App.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RandomName.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"
#include "platform/runtime/UserFolders.h"

namespace ferolan {

namespace {

constexpr const char* kFolderPrefix = "conversion-";
// In each request's folder, beside the folder that receives the request's files, so that no
// extracted entry can replace or remove it. The sweep and the request that makes a folder both
// take it: whichever locks it first owns the folder. In the root, it keeps sweeps one at a time.
constexpr const char* kLockName = ".lock";
constexpr const char* kFilesName = "extraction";

// The texts are one line built around paths that may come from the environment: escaping the
// whole text escapes those paths.
[[noreturn]] void RefuseWorkRoot(const std::string& text) {
  throw RuntimeError(kErrPathFileAccess, App::EXEName(), ShownName(text));
}

[[noreturn]] void RaiseCannotCreate(const std::string& folder, int error) {
  RefuseWorkRoot(texts::WorkRootCannotBeMade(
      folder, DescriptionOf(FileErrorNumber(error, FileAccess::kWrite, folder))));
}

// Makes `folder` (0700, as the cache expects) where it is missing, on the way to the work root.
// Never in a folder of another user, shared folders apart: root with a user's HOME would leave
// in that home a cache the user can no longer use.
void MakeFolder(const std::string& folder, const std::string& root) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) == 0) return;
  const std::size_t slash = folder.find_last_of('/');
  const std::string parent = slash == 0 ? "/" : folder.substr(0, slash);
  if (::stat(parent.c_str(), &info) == 0 && info.st_uid != ::geteuid() &&
      (info.st_mode & S_ISVTX) == 0) {
    RefuseWorkRoot("Le dossier de travail " + root + " serait créé dans " + parent +
                   ", qui appartient à un autre utilisateur : Ferolan n'y crée rien. Lancez-le "
                   "sous le compte de cet utilisateur, ou désignez un dossier à vous par "
                   "XDG_CACHE_HOME.");
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseCannotCreate(root, errno);
}

// The folders from / down to `path`, each of which its writers could use to swap what lies
// below it.
std::vector<std::string> WayTo(const std::string& path) {
  std::vector<std::string> way = {"/"};
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    way.push_back(path.substr(0, slash));
  }
  way.push_back(path);
  return way;
}

// The work files are reached by their paths (by the engine and the unzip library): no other
// user may be able to change any folder on the way to them. A sticky folder such as /tmp is
// safe to pass through where what lies below it is the user's or root's.
void CheckWay(const std::vector<std::string>& way) {
  for (std::size_t i = 0; i < way.size(); ++i) {
    struct stat folder {};
    if (::stat(way[i].c_str(), &folder) != 0 || !OthersMayWrite(folder)) continue;
    struct stat below {};
    if (i + 1 < way.size() && (folder.st_mode & S_ISVTX) != 0 &&
        ::lstat(way[i + 1].c_str(), &below) == 0 &&
        (below.st_uid == ::geteuid() || below.st_uid == 0)) {
      continue;
    }
    RefuseWorkRoot("Le dossier " + way[i] +
                   " peut être modifié par d'autres utilisateurs : Ferolan n'y met pas ses "
                   "fichiers de travail. Retirez-leur ce droit (chmod go-w), ou désignez un "
                   "dossier à vous par XDG_CACHE_HOME.");
  }
}

UniqueFd OpenWorkRoot(const std::string& root) {
  const std::vector<std::string> way = WayTo(root);
  for (std::size_t i = 1; i < way.size(); ++i) MakeFolder(way[i], root);
  UniqueFd fd(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (!fd.Valid()) {
    const int error = errno;
    if (::lstat(root.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
      RefuseWorkRoot(texts::WorkRootIsALink(root));
    }
    if (error == ENOTDIR) {
      RefuseWorkRoot(texts::WorkRootIsNoFolder(root));
    }
    RaiseCannotCreate(root, error);
  }
  if (::fstat(fd.Get(), &info) != 0 || info.st_uid != ::geteuid()) {
    RefuseWorkRoot("Le dossier de travail " + root +
                   " appartient à un autre utilisateur : Ferolan ne s'en sert pas.");
  }
  CheckWay(way);
  // Through links on the way, the folders passed through are those of its real path.
  if (char* real = ::realpath(root.c_str(), nullptr)) {
    const std::string realRoot = real;
    std::free(real);
    if (realRoot != root) CheckWay(WayTo(realRoot));
  }
  return fd;
}

UniqueFd OpenLock(int folder, int flags) {
  return UniqueFd(
      ::openat(folder, kLockName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | flags, 0600));
}

// Whether the lock open as `lock` is still the one in `folder`: a sweep that locked it first
// removes it, with the folder, before it lets go.
bool LockInPlace(int folder, int lock) {
  struct stat held {};
  struct stat named {};
  return ::fstat(lock, &held) == 0 &&
         ::fstatat(folder, kLockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Removes the request folders whose lock nobody holds: their process ended without removing
// them. A folder without its lock was either left so or is being made: the sweep makes the
// lock itself, and takes the folder only if it locks it before its maker does. While another
// process sweeps (or was stopped while sweeping), this request goes on without sweeping.
void SweepAbandonedFolders(int root, const std::string& rootPath) {
  const UniqueFd rootLock = OpenLock(root, O_CREAT);
  if (!rootLock.Valid()) RaiseCannotCreate(rootPath, errno);
  // Where the file system keeps no locks, nothing counts as abandoned and nothing is swept.
  if (!TryLockExclusive(rootLock.Get())) return;
  for (const std::string& name : NamesStartingWith(root, kFolderPrefix)) {
    const UniqueFd folder = OpenFolderAt(root, name);
    if (!folder.Valid()) continue;
    const UniqueFd lock = OpenLock(folder.Get(), O_CREAT);
    if (lock.Valid() && TryLockExclusive(lock.Get()) && LockInPlace(folder.Get(), lock.Get())) {
      RemoveTreeAt(root, name);
    }
  }
}

}  // namespace

// Closed once ~WorkFolder has removed the folder, the lock first.
struct WorkFolder::Held {
  UniqueFd root;
  std::string name;  // the request's folder in the root
  UniqueFd folder;
  UniqueFd lock;
};

std::string WorkRootPath() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/ferolan";
  return HomeFolder() + "/.cache/ferolan";
}

std::unique_ptr<WorkFolder> WorkFolder::Create() {
  const std::string rootPath = WorkRootPath();
  UniqueFd root = OpenWorkRoot(rootPath);
  SweepAbandonedFolders(root.Get(), rootPath);

  for (;;) {
    std::string name = kFolderPrefix + RandomLetters(12);
    if (::mkdirat(root.Get(), name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      RaiseCannotCreate(rootPath, errno);
    }
    UniqueFd folder = OpenFolderAt(root.Get(), name);
    UniqueFd lock = folder.Valid() ? OpenLock(folder.Get(), O_CREAT | O_EXCL) : UniqueFd();
    // A sweep that met the folder first made its lock, or locked it first: it removes the
    // folder, and another name is tried.
    if (!lock.Valid() && (errno == EEXIST || errno == ENOENT)) continue;
    if (lock.Valid()) {
      const bool locked = TryLockExclusive(lock.Get());
      if (locked ? !LockInPlace(folder.Get(), lock.Get()) : errno == EWOULDBLOCK) continue;
    }
    if (!lock.Valid() || ::mkdirat(folder.Get(), kFilesName, 0700) != 0) {
      const int error = errno;
      RemoveTreeAt(root.Get(), name);
      RaiseCannotCreate(rootPath, error);
    }
    std::string path = rootPath + "/" + name + "/" + kFilesName;
    auto held = std::make_unique<Held>(
        Held{std::move(root), std::move(name), std::move(folder), std::move(lock)});
    return std::unique_ptr<WorkFolder>(new WorkFolder(std::move(held), std::move(path)));
  }
}

WorkFolder::WorkFolder(std::unique_ptr<Held> held, std::string path)
    : held_(std::move(held)), path_(std::move(path)) {}

// The files go first, the lock last: until then no sweep can take the folder.
WorkFolder::~WorkFolder() {
  RemoveTreeAt(held_->folder.Get(), kFilesName);
  RemoveTreeAt(held_->root.Get(), held_->name);
}

}  // namespace ferolan
