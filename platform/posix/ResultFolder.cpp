#include "platform/runtime/ResultFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/UniqueFd.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan {

struct ResultFolder::Held {
  bool IsOurs(const struct stat& info);

  UniqueFd folder;
  // Whom the files this user makes in the folder belong to, once asked.
  std::optional<uid_t> ownerOfNewFiles;
};

namespace {

// Writes all of `bytes`, however many calls the system takes.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A file system without owners (fusefat) shows every file as someone else's, the user's own as
// well: a file made for the purpose tells.
std::optional<uid_t> OwnerOfNewFiles(int folder) {
  std::string name;
  UniqueFd probe(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
  if (!probe.Valid()) {
    name = TemporaryName("owner");
    probe = UniqueFd(::openat(folder, name.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (probe.Valid()) ::unlinkat(folder, name.c_str(), 0);
  }
  struct stat info {};
  if (!probe.Valid() || ::fstat(probe.Get(), &info) != 0) return std::nullopt;
  return info.st_uid;
}

}  // namespace

// A regular file of this user's, or of anyone's for root, or as this user's files are shown.
bool ResultFolder::Held::IsOurs(const struct stat& info) {
  const uid_t user = ::geteuid();
  if (!S_ISREG(info.st_mode)) return false;
  if (info.st_uid == user || user == 0) return true;
  if (!ownerOfNewFiles) ownerOfNewFiles = OwnerOfNewFiles(folder.Get());
  return ownerOfNewFiles == info.st_uid;
}

ResultFolder::ResultFolder(const std::string& path, const std::string& shownPath)
    : held_(std::make_unique<Held>()), path_(path) {
  held_->folder = UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!held_->folder.Valid()) RaiseFileError(errno, FileAccess::kWrite, shownPath);
}

ResultFolder::ResultFolder(ResultFolder&&) noexcept = default;
ResultFolder& ResultFolder::operator=(ResultFolder&&) noexcept = default;
ResultFolder::~ResultFolder() = default;

std::string ResultFolder::PathIn(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

std::optional<ResultFolder::Holds> ResultFolder::Look(const std::string& name, FileContent* content,
                                                      std::string* bytes, std::size_t limit) const {
  const int folder = held_->folder.Get();
  struct stat named {};
  if (::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
    lastError_ = errno;
    if (errno == ENOENT) return Holds::kNothing;
    return std::nullopt;
  }
  if (!held_->IsOurs(named)) return Holds::kSomethingElse;
  if (content == nullptr && bytes == nullptr) return Holds::kOurFile;
  const UniqueFd file(
      ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened {};
  if (!file.Valid() || ::fstat(file.Get(), &opened) != 0) {
    lastError_ = errno;
    return std::nullopt;
  }
  // Swapped for another file between the look and the open.
  if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return Holds::kSomethingElse;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      lastError_ = errno;
      return std::nullopt;
    }
    if (count == 0) return Holds::kOurFile;
    const std::string_view piece(buffer, static_cast<std::size_t>(count));
    if (content != nullptr) content->Add(piece);
    if (bytes != nullptr) {
      if (bytes->size() + piece.size() > limit) return Holds::kSomethingElse;
      bytes->append(piece);
    }
  }
}

bool ResultFolder::Rename(const std::string& from, const std::string& to) {
  const int folder = held_->folder.Get();
  if (::renameat(folder, from.c_str(), folder, to.c_str()) == 0) return true;
  lastError_ = errno;
  return false;
}

bool ResultFolder::Remove(const std::string& name) {
  if (::unlinkat(held_->folder.Get(), name.c_str(), 0) == 0) return true;
  lastError_ = errno;
  return false;
}

bool ResultFolder::WriteNew(const std::string& name, std::string_view bytes) {
  const int folder = held_->folder.Get();
  UniqueFd file(
      ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!file.Valid()) {
    lastError_ = errno;
    return false;
  }
  if (WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0 && file.Close()) return true;
  lastError_ = errno;
  file.Close();
  ::unlinkat(folder, name.c_str(), 0);
  return false;
}

bool ResultFolder::Sync() {
  if (::fsync(held_->folder.Get()) == 0) return true;
  // A file system that cannot flush a folder says so; it renames as durably as it can.
  if (errno == EINVAL || errno == ENOTSUP || errno == ENOSYS) return true;
  lastError_ = errno;
  return false;
}

}  // namespace ferolan
