#include "platform/runtime/WorkFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/runtime/App.h"
#include "platform/runtime/FileLock.h"
#include "platform/runtime/FileTree.h"
#include "platform/runtime/RandomName.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UserFolders.h"

namespace ferolan {

namespace {

constexpr const char* kFolderPrefix = "conversion-";
// Inside each request's folder, and in the root: creators hold the root's lock shared while a
// folder is made and locked, the sweep holds it exclusively, so the sweep never sees a folder
// between its creation and its lock.
constexpr const char* kLockName = ".lock";

[[noreturn]] void RefuseWorkRoot(const std::string& text) {
  throw RuntimeError(kErrPathFileAccess, App::EXEName(), text);
}

[[noreturn]] void RaiseCannotCreate(const std::string& folder, int error) {
  RefuseWorkRoot("Impossible de créer le dossier de travail " + folder + " (" +
                 DescriptionOf(FileErrorNumber(error, FileAccess::kWrite, folder)) + ").");
}

// Creates the folders above the work root that are missing, private as the cache expects.
void MakeParents(const std::string& root) {
  for (std::size_t slash = root.find('/', 1); slash != std::string::npos;
       slash = root.find('/', slash + 1)) {
    const std::string folder = root.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseCannotCreate(root, errno);
  }
}

UniqueFd OpenWorkRoot(const std::string& root) {
  MakeParents(root);
  if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) RaiseCannotCreate(root, errno);
  UniqueFd fd(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (!fd.Valid()) {
    const int error = errno;
    if (::lstat(root.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
      RefuseWorkRoot("Le dossier de travail " + root +
                     " est un lien symbolique : Ferolan ne s'en sert pas. Supprimez ce lien, "
                     "puis recommencez.");
    }
    if (error == ENOTDIR) {
      RefuseWorkRoot("Le dossier de travail " + root +
                     " n'est pas un dossier. Déplacez ou supprimez ce fichier, puis recommencez.");
    }
    RaiseCannotCreate(root, error);
  }
  if (::fstat(fd.Get(), &info) != 0 || info.st_uid != ::geteuid()) {
    RefuseWorkRoot("Le dossier de travail " + root +
                   " appartient à un autre utilisateur : Ferolan ne s'en sert pas.");
  }
  return fd;
}

UniqueFd OpenLock(int folder, int flags) {
  return UniqueFd(
      ::openat(folder, kLockName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | flags, 0600));
}

// Removes the request folders whose lock nobody holds: their process ended without removing
// them. A folder without its lock file was left between its creation and its lock.
void SweepAbandonedFolders(int root) {
  for (const std::string& name : NamesStartingWith(root, kFolderPrefix)) {
    const UniqueFd folder = OpenFolderAt(root, name);
    if (!folder.Valid()) continue;
    const UniqueFd lock = OpenLock(folder.Get(), 0);
    if (lock.Valid() ? LockExclusive(lock.Get(), LockWait::kNo) : errno == ENOENT) {
      RemoveTreeAt(root, name);
    }
  }
}

}  // namespace

std::string WorkRootPath() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/ferolan";
  return HomeFolder() + "/.cache/ferolan";
}

std::unique_ptr<WorkFolder> WorkFolder::Create() {
  const std::string rootPath = WorkRootPath();
  UniqueFd root = OpenWorkRoot(rootPath);
  const UniqueFd rootLock = OpenLock(root.Get(), O_CREAT);
  if (!rootLock.Valid()) RaiseCannotCreate(rootPath, errno);

  // Where the file system keeps no locks, nothing counts as abandoned and nothing is swept.
  if (LockExclusive(rootLock.Get(), LockWait::kYes)) SweepAbandonedFolders(root.Get());
  LockShared(rootLock.Get());

  for (;;) {
    std::string name = kFolderPrefix + RandomLetters(12);
    if (::mkdirat(root.Get(), name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      RaiseCannotCreate(rootPath, errno);
    }
    const UniqueFd folder = OpenFolderAt(root.Get(), name);
    UniqueFd lock = folder.Valid() ? OpenLock(folder.Get(), O_CREAT | O_EXCL) : UniqueFd();
    if (!lock.Valid()) {
      const int error = errno;
      RemoveTreeAt(root.Get(), name);
      RaiseCannotCreate(rootPath, error);
    }
    LockExclusive(lock.Get(), LockWait::kNo);
    std::string path = rootPath + "/" + name;
    return std::unique_ptr<WorkFolder>(
        new WorkFolder(std::move(root), std::move(name), std::move(path), std::move(lock)));
  }
}

WorkFolder::WorkFolder(UniqueFd root, std::string name, std::string path, UniqueFd lock)
    : root_(std::move(root)),
      name_(std::move(name)),
      path_(std::move(path)),
      lock_(std::move(lock)) {}

WorkFolder::~WorkFolder() { RemoveTreeAt(root_.Get(), name_); }

}  // namespace ferolan
